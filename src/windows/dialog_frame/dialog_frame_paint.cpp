// The dialog's picture of its whole window (frame, title bar, client background), how its frame
// and its client background reach the screen, and the window region cut from the skin's corners.
#include "base/utf.h"
#include "controls/s_common_data.h"
#include "controls/section_paint_win32.h"
#include "controls/skin_utilities.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/section/control_picture.h"
#include "windows/auto/ac_provider.h"
#include "windows/dialog_frame/ac_dialog_wnd.h"
#include "windows/dialog_frame/dialog_border.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/frame_parts.h"

namespace sundrel {

namespace {

constexpr const char* kTitleSection = "FORMTITLE";
// The dialog answers this message with its wParam when it shapes its window itself.
constexpr UINT kOwnRegionQuery = 0xBC4D;
constexpr WPARAM kOwnRegionAnswer = 0x41A2;
// The part of the client area that a dialog with three drop-down lists keeps painting itself, and
// the three rectangles of a dialog painted with "FORM" around parts of its own.
constexpr RECT kProtectedRect{178, 181, 327, 217};
constexpr RECT kOwnPaintedRects[] = {{447, 0, 455, 200}, {6, 23, 216, 163}, {6, 189, 216, 235}};
// The strips of a group box's frame that stand over the dialog's background.
constexpr int kGroupBoxEdge = 3;
constexpr int kGroupBoxCaption = 16;

bool IsGroupBox(HWND window) {
  wchar_t name[16] = L"";
  GetClassNameW(window, name, 16);
  return CompareStringOrdinal(name, -1, L"Button", -1, TRUE) == CSTR_EQUAL &&
         (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

}  // namespace

bool TacDialogWnd::EnsurePicture() {
  TsCommonData& data = *SkinData();
  const SIZE size = WindowSize(Window());
  const TBitmap* cache = data.CacheBmp();
  const bool sizeChanged = cache == nullptr || cache->Width() != size.cx || cache->Height() != size.cy;
  if (!data.BGChanged && !sizeChanged && cache->Handle() != nullptr) return false;
  PaintPicture();
  return true;
}

bool TacDialogWnd::GripCell(TRect& cell) const {
  return HasGrip(BorderKind) && GripCellOf(*SkinManager(), Window(), FrameWidth(), FrameHeight(), cell);
}

void TacDialogWnd::PaintPicture() {
  const TsSkinManager* manager = SkinManager();
  TsCommonData& data = *SkinData();
  if (data.CacheBmp() == nullptr) data.PrepareCache();
  TBitmap& cache = *data.CacheBmp();
  cache.SetPixelFormat(TPixelFormat::pf24bit);
  const SIZE size = WindowSize(Window());
  if (cache.Width() != size.cx || cache.Height() != size.cy) cache.SetSize(size.cx, size.cy);
  if (cache.Handle() == nullptr) return;
  const SkinModel& skin = manager->Skin();
  const int state = DialogActive ? 1 : 0;
  const TacControlSkin control{{data.SkinIndex, data.SkinSection(), data.TextureIndex, data.HotTextureIndex},
                               FrameWidth() > 0 ? data.BorderIndex : -1,
                               clFuchsia};
  PaintControlPicture(skin, control, {},
                      {PixelsOfDibSection(cache.Handle()), TRect{0, 0, size.cx, size.cy}, {}, state, {}}, true, false);
  if (TRect grip{}; GripCell(grip)) PaintGrip(cache, *manager, grip);
  if (TitleHeight() > 0) {
    const std::vector<TacCaptionButton> buttons = CaptionButtons();
    const int buttonsWidth = CaptionButtonsWidth(buttons, size.cx);
    PaintTitleBand(
        cache, *manager,
        {kTitleSection, data.SkinIndex, data.SkinSection(), FrameHeight() + TitleHeight(), buttonsWidth, state});
    PaintIcon(cache);
    buttonsBackground_.Keep(cache, buttonsWidth, ClientOffset(Window()).y);
    PaintCaptionButtons(
        cache, *manager, buttons, [this](int hitCode) { return ButtonState(hitCode); }, DialogActive);
    PaintCaption(cache);
  }
  GdiFlush();
  data.BGChanged = false;
}

bool TacDialogWnd::RepaintButtonAlone(int hitCode) {
  if (!IsWindowVisible(Window()) || EnsurePicture()) return false;
  for (const TacCaptionButton& button : CaptionButtons()) {
    if (button.HitCode != hitCode) continue;
    return buttonsBackground_.Repaint(Window(), *SkinData()->CacheBmp(), *SkinManager(), button, ButtonState(hitCode),
                                      DialogActive, FrameWidth() + GetSystemMetrics(SM_CXSMICON));
  }
  return true;
}

void TacDialogWnd::PaintIcon(TBitmap& cache) {
  if (icon_ == nullptr) return;
  const int width = GetSystemMetrics(SM_CXSMICON);
  const int height = GetSystemMetrics(SM_CYSMICON);
  const int top = (TitleHeight() + FrameHeight() - height) / 2;
  if (!DrawIconEx(cache.Canvas().Handle(), FrameWidth(), top, icon_, width, height, 0, nullptr, DI_NORMAL)) {
    DrawIconEx(cache.Canvas().Handle(), FrameWidth(), top, LoadIconW(nullptr, IDI_APPLICATION), width, height, 0,
               nullptr, DI_NORMAL);
  }
  GdiFlush();
}

void TacDialogWnd::PaintCaption(TBitmap& cache) {
  if (Caption.empty()) return;
  const SIZE size = WindowSize(Window());
  const int icon = icon_ != nullptr ? GetSystemMetrics(SM_CXSMICON) : 0;
  const RECT r{icon + FrameWidth() + 4, FrameHeight(), size.cx - CaptionButtonsWidth(CaptionButtons(), size.cx) - 6,
               TitleHeight()};
  if (r.right <= r.left) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const LOGFONTW& font = metrics.lfCaptionFont;
  TCanvas& canvas = cache.Canvas();
  if (font.lfFaceName[0] != L'\0') canvas.Font().SetName(FromWide(font.lfFaceName));
  if (font.lfHeight != 0) canvas.Font().SetHeight(font.lfHeight);
  canvas.Font().SetCharset(font.lfCharSet);
  canvas.Font().SetStyle(font.lfWeight >= FW_BOLD ? TFontStyles{fsBold} : TFontStyles{0});
  const int titleIndex = SkinManager()->GetSkinIndex(kTitleSection);
  DrawSectionText(canvas, Caption, IsWindowEnabled(Window()) != FALSE, SkinManager(), DialogActive, titleIndex,
                  DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | DT_LEFT, r);
  GdiFlush();
}

void TacDialogWnd::UpdateRegion() {
  RegionDirty = false;
  const HWND window = Window();
  const bool thick = (SavedStyle & WS_THICKFRAME) != 0;
  if ((BorderKind == bkCaptionless && !thick) || IsIconic(window)) return;
  if (SendMessageW(window, kOwnRegionQuery, kOwnRegionAnswer, 0) == static_cast<LRESULT>(kOwnRegionAnswer)) return;
  UniqueRegion region = FrameRegion(*SkinManager(), WindowSize(window), SkinData()->BorderIndex, kTitleSection);
  // The system owns the region from here on.
  if (SetWindowRgn(window, region.get(), IsWindowVisible(window))) region.release();
}

void TacDialogWnd::PaintFrame() {
  UpdateGeometry();
  ScanChildren();
  if (parentUpdating_) return;
  if (RegionDirty) UpdateRegion();
  EnsurePicture();
  CopyFrameStrips(Window(), *SkinData()->CacheBmp(), FrameWidth(), FrameHeight());
}

void TacDialogWnd::RepaintFrame() {
  SkinData()->BGChanged = true;
  if (IsWindowVisible(Window())) PaintFrame();
}

void TacDialogWnd::ExcludeChildren(HDC dc) {
  for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
    if (!IsGroupBox(child)) {
      ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
      continue;
    }
    // The box's inside shows the dialog's background; only its frame is the box's own.
    const LRESULT caption = SendSkinCommand(child, SMC_GET_CAPTION_HEIGHT);
    const int top = caption > 0 ? static_cast<int>(caption) : kGroupBoxCaption;
    ExcludeClipRect(dc, r.left, r.top, r.right, r.top + top);
    ExcludeClipRect(dc, r.left, r.top, r.left + kGroupBoxEdge, r.bottom);
    ExcludeClipRect(dc, r.right - kGroupBoxEdge, r.top, r.right, r.bottom);
    ExcludeClipRect(dc, r.left, r.bottom - kGroupBoxEdge, r.right, r.bottom);
  }
  const int mode = provider_.DialogMode;
  if (mode == 1)
    ExcludeClipRect(dc, kProtectedRect.left, kProtectedRect.top, kProtectedRect.right, kProtectedRect.bottom);
  if (mode == 3) {
    for (const RECT& r : kOwnPaintedRects) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
}

void TacDialogWnd::EraseOwnPaintedParts(TMessage& message, const TPassOn& passOn) {
  // Made once: every such dialog erases the same rectangles.
  static const UniqueRegion ownPainted = [] {
    UniqueRegion all(CreateRectRgn(0, 0, 0, 0));
    for (const RECT& r : kOwnPaintedRects) {
      UniqueRegion part(CreateRectRgnIndirect(&r));
      CombineRgn(all.get(), all.get(), part.get(), RGN_OR);
    }
    return all;
  }();
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  SavedDC saved(dc);
  SelectClipRgn(dc, ownPainted.get());
  passOn(message);
}

void TacDialogWnd::PaintClient(TMessage& message, const TPassOn& passOn) {
  if (!firstPaintDone_) {
    firstPaintDone_ = true;
    ScanChildren();
  }
  const int mode = provider_.DialogMode;
  // A dialog that paints parts of its client area itself does so first; the rest is ours.
  std::unique_ptr<PaintScope> paint;
  std::unique_ptr<WindowDC> windowDC;
  HDC dc = nullptr;
  if (mode == 1 || mode == 3) {
    passOn(message);
    windowDC = std::make_unique<WindowDC>(Window());
    dc = windowDC->get();
  } else {
    paint = std::make_unique<PaintScope>(Window());
    dc = paint->get();
  }
  if (parentUpdating_ || dc == nullptr) return;
  EnsurePicture();
  TBitmap& cache = *SkinData()->CacheBmp();
  if (cache.Handle() == nullptr) return;
  const POINT offset = ClientOffset(Window());
  RECT client{};
  GetClientRect(Window(), &client);
  {
    SavedDC saved(dc);
    ExcludeChildren(dc);
    BitBlt(dc, 0, 0, client.right, client.bottom, cache.Canvas().Handle(), offset.x, offset.y, SRCCOPY);
  }
  for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    SendSkinCommand(child, SMC_PARENT_UPDATED);
  }
}

}  // namespace sundrel
