// Where the provider's title bar puts its icon and buttons, and the grip: the same rectangles are
// painted and hit-tested.
#include "skin/manager/skin_manager_win32.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/frame_parts.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {

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
  const TsSkinManager* manager = SkinManager();
  const int title = TitleHeight(*form_);
  if (manager == nullptr || title == 0 || !form_->HandleAllocated()) return {};
  std::vector<TacButtonSlot> slots;
  if ((form_->BorderIcons() & biSystemMenu) != 0) {
    const HWND window = form_->Handle();
    slots.push_back({HTCLOSE, masks_.Close, true});
    if (systemMenu_->ItemMaximize->Visible()) {
      const bool maximized = IsZoomed(window) != FALSE;
      slots.push_back({HTMAXBUTTON, maximized ? masks_.Restore : masks_.Maximize,
                       maximized ? systemMenu_->ItemRestore->Enabled() : systemMenu_->ItemMaximize->Enabled()});
    }
    if (systemMenu_->ItemMinimize->Visible()) {
      slots.push_back(
          {HTMINBUTTON, IsIconic(window) ? masks_.Restore : masks_.Minimize, systemMenu_->ItemMinimize->Enabled()});
    }
  }
  // A title button is drawn and hit without a skin image too: its glyph shows it.
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    slots.push_back({kTitleButtonHitBase + i, titleButtons_.Items(i).MaskIndex, titleButtons_.Items(i).Enabled});
  }
  return LayoutCaptionButtons(*manager, slots, WindowSize(form_->Handle()).cx, FrameWidth(*form_), FrameHeight(*form_),
                              title);
}

int TsSkinProvider::ButtonsWidth() {
  return CaptionButtonsWidth(CaptionButtons(), WindowSize(form_->Handle()).cx);
}

bool TsSkinProvider::GripCell(TRect& cell) {
  const TsSkinManager* manager = SkinManager();
  return gripMode_ == gmRightBottom && manager != nullptr && form_->HandleAllocated() &&
         GripCellOf(*manager, form_->Handle(), FrameWidth(*form_), FrameHeight(*form_), cell);
}

}  // namespace sundrel
