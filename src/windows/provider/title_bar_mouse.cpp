#include "windows/provider/title_bar_mouse.h"

#include <windowsx.h>

#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

namespace {

bool IsSystemButton(int hitCode) {
  return hitCode == HTCLOSE || hitCode == HTMAXBUTTON || hitCode == HTMINBUTTON || hitCode == HTHELP;
}

POINT PointOf(LPARAM lParam) {
  return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

bool TacTitleBarMouse::IsButton(int hitCode) {
  return IsSystemButton(hitCode) || hitCode >= kTitleButtonHitBase;
}

int TacTitleBarMouse::ButtonState(int hitCode) const {
  if (hitCode != hotButton_) return 0;
  return pressed_ ? 2 : 1;
}

void TacTitleBarMouse::SetHotButton(int hitCode) {
  if (hitCode == hotButton_ && !pressed_) return;
  const int previous = hotButton_;
  hotButton_ = hitCode;
  pressed_ = false;
  ButtonsChanged(previous, hitCode);
}

void TacTitleBarMouse::PressButton(int hitCode) {
  const int previous = hotButton_;
  hotButton_ = hitCode;
  pressed_ = true;
  SetCapture(TitleBarWindow());
  ButtonsChanged(previous, hitCode);
}

void TacTitleBarMouse::ForgetButtons() {
  hotButton_ = 0;
  pressed_ = false;
}

void TacTitleBarMouse::ButtonsChanged(int previous, int current) {
  bool alone = true;
  if (IsButton(previous) && previous != current) alone = RepaintButtonAlone(previous);
  if (alone && IsButton(current)) alone = RepaintButtonAlone(current);
  if (!alone) RepaintWholeFrame();
}

void TacTitleBarMouse::ReleaseButton(POINT screen) {
  const int pressed = hotButton_;
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (GetCapture() == TitleBarWindow()) ReleaseCapture();
  SetHotButton(0);
  // Where the mouse is now decides, whatever keys are held: a release off the button does nothing.
  if (wasPressed && TitleHitTest(screen) == pressed) ClickButton(pressed, screen);
}

void TacTitleBarMouse::SystemCommand(WPARAM command) {
  SendMessageW(TitleBarWindow(), WM_SYSCOMMAND, command, 0);
}

void TacTitleBarMouse::ClickButton(int hitCode, POINT screen) {
  const HWND window = TitleBarWindow();
  switch (hitCode) {
    case HTMINBUTTON:
      SystemCommand(IsIconic(window) ? SC_RESTORE : SC_MINIMIZE);
      break;
    case HTMAXBUTTON:
      SystemCommand(IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE);
      break;
    case HTCLOSE:
      // Posted: the window may be gone by the time the close has run.
      PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    case HTHELP:
      SystemCommand(SC_CONTEXTHELP);
      break;
    default:
      ExtraButtonClicked(hitCode, screen);
      return;
  }
  if (!IsWindow(window)) return;
  UpdateSystemMenu();
  ButtonCommandDone(hitCode);
}

bool TacTitleBarMouse::ButtonDown(TMessage& message) {
  const int hit = static_cast<int>(message.WParam);
  const HWND window = TitleBarWindow();
  if (hit == HTSYSMENU) {
    ShowSystemMenuUnderIcon();
    return true;
  }
  if (IsButton(hit)) {
    // A button whose command is not available now cannot be pressed.
    for (const TacCaptionButton& button : CaptionButtons()) {
      if (button.HitCode != hit || !button.Enabled) continue;
      PressButton(hit);
      ExtraButtonDown(hit, PointOf(message.LParam));
      break;
    }
    return true;
  }
  if (hit == HTCAPTION && IsIconic(window)) {
    SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, message.LParam);
    return true;
  }
  return hit == HTCAPTION && KeepsCaptionClick();
}

void TacTitleBarMouse::DoubleClick(TMessage& message, const TPassOn& passOn) {
  const HWND window = TitleBarWindow();
  switch (message.WParam) {
    case HTCAPTION:
      if (!CanToggleMaximized()) return;
      SystemCommand(IsIconic(window) || IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE);
      if (IsWindow(window)) UpdateSystemMenu();
      return;
    case HTSYSMENU:
      PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    default:
      OtherDoubleClick(message, passOn);
  }
}

void TacTitleBarMouse::TrackLeave() {
  if (trackingLeave_) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, TitleBarWindow(), 0};
  trackingLeave_ = TrackMouseEvent(&track) != FALSE;
}

bool TacTitleBarMouse::HandleMouse(TMessage& message, const TPassOn& passOn) {
  const HWND window = TitleBarWindow();
  switch (message.Msg) {
    case WM_NCHITTEST: {
      const int hit = TitleHitTest(PointOf(message.LParam));
      if (!pressed_) SetHotButton(IsButton(hit) ? hit : 0);
      if (hit != HTNOWHERE && hit != HTCAPTION) {
        message.Result = hit;
        return true;
      }
      SystemHitTest(message, passOn);
      // The system still places its own buttons where the style once named them; none is there now.
      const auto system = static_cast<int>(message.Result);
      if (IsSystemButton(system) || system == HTSYSMENU) message.Result = HTCAPTION;
      return true;
    }
    case WM_NCLBUTTONDOWN:
      return ButtonDown(message);
    case WM_NCLBUTTONUP:
      if (pressed_) {
        ReleaseButton(PointOf(message.LParam));
        return true;
      }
      if (!IsButton(static_cast<int>(message.WParam))) return false;
      SetHotButton(0);
      return true;
    case WM_LBUTTONUP:
      // The button-up of a press on the title bar comes here while the window holds the mouse.
      if (!pressed_) return false;
      {
        POINT at = PointOf(message.LParam);
        ClientToScreen(window, &at);
        ReleaseButton(at);
      }
      return true;
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(message.LParam) != window) SetHotButton(0);
      return false;
    case WM_MOUSEMOVE:
      if (TsSkinManager* manager = TitleBarManager(); manager != nullptr && !pressed_ && IsWindowEnabled(window)) {
        manager->SetActiveControl(nullptr);
      }
      return false;
    case WM_NCLBUTTONDBLCLK:
      DoubleClick(message, passOn);
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
      if (!pressed_) SetHotButton(0);
      return false;
    default:
      return false;
  }
}

}  // namespace sundrel
