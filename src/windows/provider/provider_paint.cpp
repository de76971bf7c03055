// The provider's picture of the whole window (frame, title bar, client background), how it
// reaches the screen, and the window region cut from the skin's corners.
#include "controls/cache_copy.h"
#include "controls/section_paint_win32.h"
#include "controls/skin_utilities.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/section/control_picture.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/frame_parts.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {

namespace {

constexpr const char* kTitleSection = "FORMTITLE";

std::string TitleSectionOf(const std::string& titleSkin) {
  return titleSkin.empty() ? kTitleSection : titleSkin;
}

// The icon the title bar shows without a glyph of its own: the form's, the program's, the system's.
HICON TitleIconOf(HWND window) {
  for (WPARAM kind : {ICON_SMALL, ICON_BIG}) {
    if (auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0))) return icon;
  }
  if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM))) return icon;
  if (HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON")) return icon;
  return LoadIconW(nullptr, IDI_APPLICATION);
}

// Draws the bitmap into R with the colour of its bottom-left pixel (or the key colour) left out.
void DrawTransparent(HDC dc, const RECT& r, TBitmap& glyph, COLORREF transparent) {
  TransparentBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, glyph.Canvas().Handle(), 0, 0, glyph.Width(),
                 glyph.Height(), transparent);
}

}  // namespace

void TsSkinProvider::EnsurePicture() {
  const TBitmap& cache = *skinData_.CacheBmp();
  const SIZE window = WindowSize(form_->Handle());
  const bool sizeChanged = !IsIconic(form_->Handle()) && (cache.Width() != window.cx || cache.Height() != window.cy);
  if (!skinData_.BGChanged && !sizeChanged && cache.Handle() != nullptr) return;
  PaintWindowImage();
  childrenWaiting_ = true;
}

void TsSkinProvider::PaintWindowImage() {
  const TsSkinManager* manager = SkinManager();
  const HWND window = form_->Handle();
  SIZE size = WindowSize(window);
  const int title = TitleHeight(*form_);
  const int frameHeight = FrameHeight(*form_);
  if (IsIconic(window)) size.cy = title + frameHeight + 1;
  TBitmap& cache = *skinData_.CacheBmp();
  if (cache.Width() != size.cx || cache.Height() != size.cy) cache.SetSize(size.cx, size.cy);
  if (cache.Handle() == nullptr) return;
  const SkinModel& skin = manager->Skin();
  const int state = active_ ? 1 : 0;
  const TacControlSkin control{
      {skinData_.SkinIndex, skinData_.SkinSection(), skinData_.TextureIndex, skinData_.HotTextureIndex},
      title > 0 ? skinData_.BorderIndex : -1,
      skinData_.CustomColor() ? ColorToRGB(form_->Color()) : clFuchsia};
  PaintControlPicture(skin, control, {},
                      {PixelsOfDibSection(cache.Handle()), TRect{0, 0, size.cx, size.cy}, {}, state, {}}, true, false);
  if (TRect grip{}; GripCell(grip)) PaintGrip(cache, *manager, grip);
  if (title > 0) {
    PaintTitleBand(cache, *manager,
                   {TitleSectionOf(titleSkin_), skinData_.SkinIndex, skinData_.SkinSection(), title + frameHeight,
                    ButtonsWidth(), state});
    PaintTitleIcon(cache);
    buttonsBackground_.Keep(cache, ButtonsWidth(), title + frameHeight);
    PaintTitleButtons(cache);
    PaintCaptionText(cache);
  }
  GdiFlush();
  skinData_.BGChanged = false;
}

void TsSkinProvider::PaintTitleIcon(TBitmap& cache) {
  const RECT r = IconRect();
  if (IsRectEmpty(&r)) return;
  const HDC dc = cache.Canvas().Handle();
  if (titleIcon_.Glyph.Handle() != nullptr) {
    DrawTransparent(dc, r, titleIcon_.Glyph, static_cast<COLORREF>(clFuchsia));
  } else {
    DrawIconEx(dc, r.left, r.top, TitleIconOf(form_->Handle()), r.right - r.left, r.bottom - r.top, 0, nullptr,
               DI_NORMAL);
  }
  GdiFlush();
}

void TsSkinProvider::PaintTitleButtons(TBitmap& cache) {
  const std::vector<TacCaptionButton> buttons = CaptionButtons();
  PaintCaptionButtons(
      cache, *SkinManager(), buttons, [this](int hitCode) { return ButtonState(hitCode); }, active_);
  for (const TacCaptionButton& button : buttons) {
    TsTitleButton* titleButton = TitleButtonOf(button.HitCode);
    if (titleButton == nullptr || titleButton->Glyph.Handle() == nullptr) continue;
    TBitmap& glyph = titleButton->Glyph;
    const int left = (button.Rect.Left + button.Rect.Right - glyph.Width()) / 2;
    const int top = (button.Rect.Top + button.Rect.Bottom - glyph.Height()) / 2;
    const COLORREF transparent = GetPixel(glyph.Canvas().Handle(), 0, glyph.Height() - 1);
    DrawTransparent(cache.Canvas().Handle(), RECT{left, top, left + glyph.Width(), top + glyph.Height()}, glyph,
                    transparent);
    GdiFlush();
  }
}

void TsSkinProvider::PaintCaptionText(TBitmap& cache) {
  const std::string caption = form_->Caption();
  if (caption.empty()) return;
  const SIZE size = WindowSize(form_->Handle());
  const RECT icon = IconRect();
  RECT r{(icon.right - icon.left) + FrameWidth(*form_) + 4, FrameHeight(*form_), size.cx - ButtonsWidth() - 6,
         TitleHeight(*form_)};
  if (r.right <= r.left) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  TCanvas& canvas = cache.Canvas();
  canvas.Font().Assign(form_->Font());
  canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
  if (metrics.lfCaptionFont.lfHeight != 0) canvas.Font().SetHeight(metrics.lfCaptionFont.lfHeight);
  static constexpr UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | kAlignments[captionAlignment_];
  const int titleIndex = SkinManager()->GetSkinIndex(TitleSectionOf(titleSkin_));
  DrawSectionText(canvas, caption, IsWindowEnabled(form_->Handle()) != FALSE, SkinManager(), active_, titleIndex, flags,
                  r);
  GdiFlush();
}

void TsSkinProvider::CopyFrameToWindow() {
  const HWND window = form_->Handle();
  if (regionDirty_) UpdateRegion();
  EnsurePicture();
  TBitmap& cache = *skinData_.CacheBmp();
  if (cache.Handle() == nullptr) return;
  CopyFrameStrips(window, cache, FrameWidth(*form_), FrameHeight(*form_));
  // A frame paint that rebuilt the picture (activation, a new caption) is followed by no paint of
  // the client: children that waited for the picture would wait on.
  ReleaseWaitingChildren();
}

void TsSkinProvider::RepaintFrame() {
  if (form_ == nullptr || !form_->HandleAllocated() || !Skinned()) return;
  skinData_.BGChanged = true;
  if (IsWindowVisible(form_->Handle())) CopyFrameToWindow();
}

void TsSkinProvider::PaintClient(HDC dc) {
  EnsurePicture();
  const HWND window = form_->Handle();
  const POINT offset = ClientOffset(window);
  RECT client{};
  GetClientRect(window, &client);
  TCacheCopy copy{TRect{offset.x, offset.y, offset.x + client.right, offset.y + client.bottom}};
  CopyCacheToDC(form_, skinData_, copy, dc, TRect{0, 0, client.right, client.bottom});
  PaintGraphicChildren(dc, form_, POINT{0, 0});
  if (skinData_.Updating) childrenWaiting_ = true;
  skinData_.Updating = false;
  ReleaseWaitingChildren();
}

void TsSkinProvider::ReleaseWaitingChildren() {
  if (!childrenWaiting_) return;
  childrenWaiting_ = false;
  ChildrenUpdateEnded(form_);
}

void TsSkinProvider::UpdateRegion() {
  if (form_ == nullptr || !form_->HandleAllocated() || !Skinned()) return;
  regionDirty_ = false;
  const HWND window = form_->Handle();
  if (form_->Parent() != nullptr || TitleHeight(*form_) == 0 || IsIconic(window)) return;
  UniqueRegion region =
      FrameRegion(*SkinManager(), WindowSize(window), skinData_.BorderIndex, TitleSectionOf(titleSkin_));
  // The system owns the region from here on.
  if (SetWindowRgn(window, region.get(), IsWindowVisible(window))) region.release();
}

}  // namespace sundrel
