// The dialog's title bar under the mouse: hit testing, hot and pressed caption buttons, their
// commands, double clicks and the system menu.
#include <windowsx.h>

#include "skin/manager/skin_manager_win32.h"
#include "windows/dialog_frame/ac_dialog_wnd.h"
#include "windows/dialog_frame/dialog_border.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/frame_parts.h"

namespace sundrel {

namespace {

bool IsButton(int hitCode) {
  return hitCode == HTCLOSE || hitCode == HTMAXBUTTON || hitCode == HTMINBUTTON || hitCode == HTHELP;
}

POINT PointOf(LPARAM lParam) {
  return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

int TacDialogWnd::TitleHitTest(POINT screen) const {
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
  if (RECT grip{}; GripCell(grip) && at.x >= grip.left && at.y >= grip.top) return HTBOTTOMRIGHT;
  if (IsZoomed(Window())) {
    RECT inner = bounds;
    InflateRect(&inner, -2, -2);
    if (!PtInRect(&inner, screen)) return -1;
  }
  return HTNOWHERE;
}

void TacDialogWnd::SetHot(int hitCode) {
  if (hitCode == HotButton && !pressed_) return;
  HotButton = hitCode;
  pressed_ = false;
  RepaintFrame();
}

void TacDialogWnd::Press(int hitCode) {
  HotButton = hitCode;
  pressed_ = true;
  SetCapture(Window());
  RepaintFrame();
}

void TacDialogWnd::Release(POINT screen) {
  const int pressed = HotButton;
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (GetCapture() == Window()) ReleaseCapture();
  SetHot(0);
  // Where the mouse is now decides, whatever keys are held: a release off the button does nothing.
  if (wasPressed && TitleHitTest(screen) == pressed) Click(pressed);
}

void TacDialogWnd::SystemCommand(WPARAM command) {
  SendMessageW(Window(), WM_SYSCOMMAND, command, 0);
  if (IsWindow(Window())) systemMenu_->UpdateItems();
}

void TacDialogWnd::Click(int hitCode) {
  const HWND window = Window();
  switch (hitCode) {
    case HTMINBUTTON:
      SystemCommand(IsIconic(window) ? SC_RESTORE : SC_MINIMIZE);
      break;
    case HTMAXBUTTON:
      SystemCommand(IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE);
      break;
    case HTCLOSE:
      // Posted: the dialog may be gone by the time the close has run.
      PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case HTHELP:
      SystemCommand(SC_CONTEXTHELP);
      if (IsWindow(window)) RepaintFrame();
      break;
    default:
      break;
  }
}

void TacDialogWnd::DoubleClick(int hitCode) {
  const HWND window = Window();
  if (hitCode == HTCAPTION && (systemMenu_->CanMaximize() || systemMenu_->CanRestore())) {
    SystemCommand(IsIconic(window) || IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE);
  } else if (hitCode == HTSYSMENU) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

void TacDialogWnd::ShowSystemMenu(int x, int y) {
  SetHot(0);
  systemMenu_->UpdateItems();
  HandSystemMenuToPainter(SkinManager(), *systemMenu_);
  systemMenu_->Popup(x, y);
}

void TacDialogWnd::TrackLeave() {
  if (trackingLeave_) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, Window(), 0};
  trackingLeave_ = TrackMouseEvent(&track) != FALSE;
}

bool TacDialogWnd::HandleMouse(TMessage& message, const TPassOn& passOn) {
  const HWND window = Window();
  switch (message.Msg) {
    case WM_NCHITTEST: {
      const int hit = TitleHitTest(PointOf(message.LParam));
      if (!pressed_) SetHot(IsButton(hit) ? hit : 0);
      if (hit != HTNOWHERE && hit != HTCAPTION) {
        message.Result = hit;
        return true;
      }
      TacScrollWnd::WndProc(message, passOn);
      // The system still places its own buttons where the style once named them; none is there now.
      const auto system = static_cast<int>(message.Result);
      if (IsButton(system) || system == HTSYSMENU) message.Result = HTCAPTION;
      return true;
    }
    case WM_NCLBUTTONDOWN: {
      const int hit = static_cast<int>(message.WParam);
      RECT bounds{};
      GetWindowRect(window, &bounds);
      if (hit == HTSYSMENU) {
        ShowSystemMenu(bounds.left + FrameWidth(), bounds.top + FrameHeight() + GetSystemMetrics(SM_CYSMICON));
        return true;
      }
      if (IsButton(hit)) {
        Press(hit);
        return true;
      }
      if (hit == HTCAPTION && IsIconic(window)) {
        SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, message.LParam);
        return true;
      }
      if (hit == HTCAPTION && IsZoomed(window)) {
        if (GetActiveWindow() != window) SetActiveWindow(window);
        return true;
      }
      return false;
    }
    case WM_NCLBUTTONUP:
      if (pressed_) {
        Release(PointOf(message.LParam));
        return true;
      }
      if (!IsButton(static_cast<int>(message.WParam))) return false;
      SetHot(0);
      return true;
    case WM_LBUTTONUP:
      // The button-up of a press on the title bar comes here while the dialog holds the mouse.
      if (!pressed_) return false;
      {
        POINT at = PointOf(message.LParam);
        ClientToScreen(window, &at);
        Release(at);
      }
      return true;
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(message.LParam) != window) SetHot(0);
      return false;
    case WM_MOUSEMOVE:
      if (TsSkinManager* manager = SkinManager(); manager != nullptr && IsWindowEnabled(window)) {
        manager->SetActiveControl(nullptr);
      }
      return false;
    case WM_NCLBUTTONDBLCLK:
      DoubleClick(static_cast<int>(message.WParam));
      return true;
    case WM_NCRBUTTONDOWN:
      return message.WParam == HTCAPTION || message.WParam == HTSYSMENU;
    case WM_NCRBUTTONUP:
      if (message.WParam != HTCAPTION && message.WParam != HTSYSMENU) return false;
      ShowSystemMenu(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
      return true;
    case WM_NCMOUSEMOVE:
      TrackLeave();
      return false;
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (!pressed_) SetHot(0);
      return false;
    default:
      return false;
  }
}

}  // namespace sundrel
