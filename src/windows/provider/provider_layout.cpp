// Where the provider's title bar puts its icon and buttons, and the grip: the same rectangles are
// painted and hit-tested.
#include "skin/manager/skin_manager_win32.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {

namespace {

// The size buttons take when the skin has no image for them.
constexpr int kMissingButtonSide = 21;

}  // namespace

RECT TsSkinProvider::IconRect() {
  const bool bordered = form_->BorderStyle() == bsSingle || form_->BorderStyle() == bsSizeable;
  const int title = TitleHeight(*form_);
  if (!showAppIcon_ || !bordered || title == 0 || IsToolWindow(*form_)) return RECT{};
  const int side = TitleIconSide(title);
  const int width = titleIcon_.Width > 0 ? titleIcon_.Width : side;
  const int height = titleIcon_.Height > 0 ? titleIcon_.Height : side;
  const int left = FrameWidth(*form_);
  const int top = (title + FrameHeight(*form_) - height) / 2;
  return RECT{left, top, left + width, top + height};
}

std::vector<TacCaptionButton> TsSkinProvider::CaptionButtons() {
  std::vector<TacCaptionButton> buttons;
  const TsSkinManager* manager = SkinManager();
  const int title = TitleHeight(*form_);
  if (manager == nullptr || title == 0 || !form_->HandleAllocated()) return buttons;
  const int space = manager->SkinData().BISpace;
  const auto cellOf = [manager](int mask) {
    const TSize cell = manager->GetMaskCellSize(mask);
    return manager->IsValidMaskIndex(mask) ? cell : TSize{kMissingButtonSide, kMissingButtonSide};
  };
  const int height = cellOf(closeMask_).cy;
  const int top = (title + FrameHeight(*form_) - height) / 2 + (height < 16 ? 2 : 0);
  int right = WindowSize(form_->Handle()).cx - FrameWidth(*form_) - space;
  const auto place = [&](int hitCode, int mask, bool enabled) {
    const int width = cellOf(mask).cx;
    buttons.push_back(TacCaptionButton{hitCode, manager->IsValidMaskIndex(mask) ? mask : -1, enabled,
                                       TRect{right - width, top, right, top + height}});
    right -= width + space;
  };
  if ((form_->BorderIcons() & biSystemMenu) != 0) {
    const HWND window = form_->Handle();
    place(HTCLOSE, closeMask_, true);
    if (systemMenu_->ItemMaximize->Visible()) {
      const bool maximized = IsZoomed(window) != FALSE;
      place(HTMAXBUTTON, maximized ? restoreMask_ : maximizeMask_,
            maximized ? systemMenu_->ItemRestore->Enabled() : systemMenu_->ItemMaximize->Enabled());
    }
    if (systemMenu_->ItemMinimize->Visible()) {
      place(HTMINBUTTON, IsIconic(window) ? restoreMask_ : minimizeMask_, systemMenu_->ItemMinimize->Enabled());
    }
  }
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    const TsTitleButton& button = titleButtons_.Items(i);
    const int width = cellOf(button.MaskIndex).cx;
    // A title button is drawn and hit without a skin image too: its glyph shows it.
    buttons.push_back(TacCaptionButton{kTitleButtonHitBase + i, button.MaskIndex, button.Enabled,
                                       TRect{right - width, top, right, top + height}});
    right -= width + space;
  }
  return buttons;
}

int TsSkinProvider::ButtonsWidth() {
  const std::vector<TacCaptionButton> buttons = CaptionButtons();
  if (buttons.empty()) return 0;
  return WindowSize(form_->Handle()).cx - buttons.back().Rect.Left;
}

bool TsSkinProvider::GripCell(TRect& cell) {
  const TsSkinManager* manager = SkinManager();
  if (gripMode_ != gmRightBottom || manager == nullptr || !form_->HandleAllocated()) return false;
  const int mask = manager->GetMaskIndexDirect("GLOBALINFO", "GRIPIMAGE");
  if (!manager->IsValidMaskIndex(mask)) return false;
  const TSize size = manager->GetMaskCellSize(mask);
  const SIZE window = WindowSize(form_->Handle());
  const int left = window.cx - size.cx - FrameWidth(*form_);
  const int top = window.cy - size.cy - FrameHeight(*form_);
  cell = TRect{left, top, left + size.cx, top + size.cy};
  return true;
}

}  // namespace sundrel
