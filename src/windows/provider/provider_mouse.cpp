// The provider's title bar under the mouse: hit testing, hot and pressed caption buttons, their
// commands, double clicks and the skinned system menu.
#include <windowsx.h>

#include "skin/manager/skin_manager_win32.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/frame_parts.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {

namespace {

bool IsSystemButton(int hitCode) {
  return hitCode == HTCLOSE || hitCode == HTMAXBUTTON || hitCode == HTMINBUTTON || hitCode == HTHELP;
}

bool IsButton(int hitCode) {
  return IsSystemButton(hitCode) || hitCode >= kTitleButtonHitBase;
}

POINT PointOf(LPARAM lParam) {
  return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

TsTitleButton* TsSkinProvider::TitleButtonOf(int hitCode) {
  const int index = hitCode - kTitleButtonHitBase;
  return index >= 0 && index < titleButtons_.Count() ? &titleButtons_.Items(index) : nullptr;
}

int TsSkinProvider::TitleHitTest(POINT screen) {
  const int title = TitleHeight(*form_);
  if (title == 0) return HTNOWHERE;
  RECT bounds{};
  GetWindowRect(form_->Handle(), &bounds);
  const POINT at{screen.x - bounds.left, screen.y - bounds.top};
  const TsSkinManager* manager = SkinManager();
  const int height = manager->IsValidMaskIndex(closeMask_) ? manager->GetMaskCellSize(closeMask_).cy : 21;
  const int top = (title + FrameHeight(*form_) - height) / 2;
  if (at.y >= top && at.y <= top + height) {
    const RECT icon = IconRect();
    if (!IsRectEmpty(&icon) && at.x >= icon.left && at.x <= icon.right) return HTSYSMENU;
    if (const int hit = CaptionButtonAt(CaptionButtons(), at.x); hit != HTNOWHERE) return hit;
  }
  TRect grip{};
  if (GripCell(grip) && at.x >= grip.Left && at.y >= grip.Top) return HTBOTTOMRIGHT;
  return HTNOWHERE;
}

bool TsSkinProvider::ButtonEnabled(int hitCode) {
  for (const TacCaptionButton& button : CaptionButtons()) {
    if (button.HitCode == hitCode) return button.Enabled;
  }
  return false;
}

void TsSkinProvider::SetHotButton(int hitCode) {
  if (hitCode == hotButton_ && !pressed_) return;
  hotButton_ = hitCode;
  pressed_ = false;
  RepaintFrame();
}

void TsSkinProvider::PressButton(int hitCode) {
  hotButton_ = hitCode;
  pressed_ = true;
  RepaintFrame();
}

void TsSkinProvider::ReleaseButton(POINT screen) {
  const int pressed = hotButton_;
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (GetCapture() == form_->Handle()) ReleaseCapture();
  SetHotButton(0);
  // Where the mouse is now decides, whatever keys are held: a release off the button does nothing.
  if (wasPressed && TitleHitTest(screen) == pressed) ClickButton(pressed, screen);
}

void TsSkinProvider::ClickButton(int hitCode, POINT screen) {
  const HWND window = form_->Handle();
  switch (hitCode) {
    case HTMINBUTTON:
      SendMessageW(window, WM_SYSCOMMAND, IsIconic(window) ? SC_RESTORE : SC_MINIMIZE, 0);
      break;
    case HTMAXBUTTON:
      SendMessageW(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
      break;
    case HTCLOSE:
      // Posted: the form may be gone by the time the close has run.
      PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    case HTHELP:
      SendMessageW(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    default:
      if (TsTitleButton* button = TitleButtonOf(hitCode); button != nullptr && button->OnMouseUp) {
        button->OnMouseUp(*button, KeyboardShiftState(), screen);
      }
      return;
  }
  if (IsWindow(window)) systemMenu_->UpdateItems();
}

void TsSkinProvider::DoubleClick(TMessage& message, const TPassOn& passOn) {
  const int hit = static_cast<int>(message.WParam);
  const HWND window = form_->Handle();
  if (hit == HTCAPTION) {
    const bool systemMenu = (form_->BorderIcons() & biSystemMenu) != 0;
    const bool canMaximize = systemMenu_->ItemMaximize->Visible() && systemMenu_->ItemMaximize->Enabled();
    if (systemMenu && (canMaximize || systemMenu_->ItemRestore->Enabled())) {
      SendMessageW(window, WM_SYSCOMMAND, IsIconic(window) || IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
      systemMenu_->UpdateItems();
    }
    return;
  }
  if (hit == HTSYSMENU) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return;
  }
  // The second click of a quick pair presses the button again.
  if (IsButton(hit)) {
    PressButton(hit);
    SetCapture(window);
    return;
  }
  passOn(message);
}

void TsSkinProvider::ShowSystemMenu(int x, int y) {
  SetHotButton(0);
  TsSkinManager* manager = SkinManager();
  if (makeSkinMenu_) systemMenu_->UpdateSkinItems(manager);
  systemMenu_->UpdateItems();
  HandSystemMenuToPainter(manager, *systemMenu_);
  systemMenu_->SetPopupComponent(form_);
  systemMenu_->Popup(x, y);
}

void TsSkinProvider::ShowSystemMenuUnderIcon() {
  RECT bounds{};
  GetWindowRect(form_->Handle(), &bounds);
  const RECT icon = IconRect();
  ShowSystemMenu(bounds.left + FrameWidth(*form_), bounds.top + FrameHeight(*form_) + (icon.bottom - icon.top));
}

void TsSkinProvider::TrackLeave() {
  if (trackingLeave_) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, form_->Handle(), 0};
  trackingLeave_ = TrackMouseEvent(&track) != FALSE;
}

bool TsSkinProvider::HandleMouse(TMessage& message, const TPassOn& passOn) {
  const HWND window = form_->Handle();
  switch (message.Msg) {
    case WM_NCHITTEST: {
      if (TitleHeight(*form_) == 0) return false;
      const int hit = TitleHitTest(PointOf(message.LParam));
      if (!pressed_) SetHotButton(IsButton(hit) ? hit : 0);
      if (hit == HTNOWHERE || hit == HTCAPTION) {
        passOn(message);
        // The system still places its own buttons where the style names them; none of ours is there.
        const auto system = static_cast<int>(message.Result);
        if (IsSystemButton(system) || system == HTSYSMENU) message.Result = HTCAPTION;
        return true;
      }
      message.Result = hit;
      return true;
    }
    case WM_NCLBUTTONDOWN: {
      const int hit = static_cast<int>(message.WParam);
      if (hit == HTSYSMENU) {
        ShowSystemMenuUnderIcon();
        return true;
      }
      if (IsButton(hit)) {
        if (!ButtonEnabled(hit)) return true;
        PressButton(hit);
        SetCapture(window);
        if (TsTitleButton* button = TitleButtonOf(hit); button != nullptr && button->OnMouseDown) {
          button->OnMouseDown(*button, KeyboardShiftState(), PointOf(message.LParam));
        }
        return true;
      }
      if (hit == HTCAPTION && IsIconic(window)) {
        SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, message.LParam);
        return true;
      }
      return false;
    }
    case WM_NCLBUTTONUP:
      if (pressed_) {
        ReleaseButton(PointOf(message.LParam));
        return true;
      }
      if (!IsButton(static_cast<int>(message.WParam))) return false;
      SetHotButton(0);
      return true;
    case WM_LBUTTONUP:
      // The button-up of a press on the title bar comes here while the form holds the mouse.
      if (!pressed_) return false;
      {
        POINT at = PointOf(message.LParam);
        ClientToScreen(window, &at);
        ReleaseButton(at);
      }
      return true;
    case WM_MOUSEMOVE:
      if (!pressed_) {
        if (TsSkinManager* manager = SkinManager()) manager->SetActiveControl(nullptr);
      }
      return false;
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(message.LParam) != window) SetHotButton(0);
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
      trackingLeave_ = false;
      if (!pressed_) SetHotButton(0);
      return false;
    default:
      return false;
  }
}

}  // namespace sundrel
