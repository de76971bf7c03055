// The dialog's side of the title bar under the mouse: where it hits, how a button that changed
// state reaches the screen, and where the system menu opens.
#include "skin/manager/skin_manager_win32.h"
#include "windows/dialog_frame/ac_dialog_wnd.h"
#include "windows/dialog_frame/dialog_border.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/frame_parts.h"

namespace sundrel {

int TacDialogWnd::TitleHitTest(POINT screen) {
  RECT bounds{};
  GetWindowRect(Window(), &bounds);
  const POINT at{screen.x - bounds.left, screen.y - bounds.top};
  const std::vector<TacCaptionButton> buttons = CaptionButtons();
  if (TitleHeight() > 0 && !buttons.empty()) {
    const TRect& close = buttons.front().Rect;
    if (at.y >= close.Top && at.y <= close.Bottom) {
      const int icon = GetSystemMetrics(SM_CXSMICON);
      if (at.x >= FrameWidth() && at.x <= FrameWidth() + icon) return HTSYSMENU;
      const int hit = CaptionButtonAt(buttons, at.x);
      return hit != HTNOWHERE ? hit : HTCAPTION;
    }
  }
  if (TRect grip{}; GripCell(grip) && at.x >= grip.Left && at.y >= grip.Top) return HTBOTTOMRIGHT;
  if (IsZoomed(Window())) {
    RECT inner = bounds;
    InflateRect(&inner, -2, -2);
    if (!PtInRect(&inner, screen)) return -1;
  }
  return HTNOWHERE;
}

void TacDialogWnd::SystemHitTest(TMessage& message, const TPassOn& passOn) {
  TacScrollWnd::WndProc(message, passOn);
}

void TacDialogWnd::UpdateSystemMenu() {
  systemMenu_->UpdateItems();
}

bool TacDialogWnd::CanToggleMaximized() {
  return systemMenu_->CanMaximize() || systemMenu_->CanRestore();
}

void TacDialogWnd::ButtonCommandDone(int hitCode) {
  if (hitCode == HTHELP) RepaintFrame();
}

bool TacDialogWnd::KeepsCaptionClick() {
  // A maximized dialog stays where it is.
  if (!IsZoomed(Window())) return false;
  if (GetActiveWindow() != Window()) SetActiveWindow(Window());
  return true;
}

void TacDialogWnd::ShowSystemMenu(int x, int y) {
  SetHotButton(0);
  systemMenu_->UpdateItems();
  HandSystemMenuToPainter(SkinManager(), *systemMenu_);
  systemMenu_->Popup(x, y);
}

void TacDialogWnd::ShowSystemMenuUnderIcon() {
  RECT bounds{};
  GetWindowRect(Window(), &bounds);
  ShowSystemMenu(bounds.left + FrameWidth(), bounds.top + FrameHeight() + GetSystemMetrics(SM_CYSMICON));
}

}  // namespace sundrel
