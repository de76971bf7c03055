// The button's states and what mouse, keyboard, focus and the skin commands do to them.
#include "controls/s_button.h"

#include <windowsx.h>

#include "controls/control_kinds.h"
#include "controls/skin_utilities.h"
#include "framework/hint.h"
#include "skin/manager/anim_effects_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

TsButton::TsButton(TComponent* owner) : TButton(owner), skinData_(this, true) {
  skinData_.ControlKind = kKindButton;
  skinHook_ = skinData_.PlugInto(MessageHooks());
  skinData_.Loaded();
}

void TsButton::Loaded() {
  TButton::Loaded();
  skinData_.Loaded();
}

void TsButton::BeforeDestruction() {
  StopFade();
  TButton::BeforeDestruction();
}

void TsButton::SetDisabledKind(TsDisabledKind kind) {
  if (kind == disabledKind_) return;
  disabledKind_ = kind;
  skinData_.Invalidate();
}

void TsButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  mousePressed_ = down;
  regionNeeded_ = true;
  Repaint();
}

void TsButton::SetFocusMargin(int margin) {
  if (margin == focusMargin_) return;
  focusMargin_ = margin;
  skinData_.Invalidate();
}

void TsButton::SetShowFocus(bool show) {
  if (show == showFocus_) return;
  showFocus_ = show;
  skinData_.Invalidate();
}

void TsButton::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  wordWrap_ = wrap;
  skinData_.Invalidate();
}

int TsButton::CurrentButtonState() {
  if (ShowsPressed()) return 2;
  const bool defaultStyle =
      HandleAllocated() && (GetWindowLongW(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  return defaultStyle || skinData_.CurrentState() == 1 ? 1 : 0;
}

bool TsButton::ShowsPressed() const {
  // Held down and dragged off, the button shows released until the mouse comes back.
  return (mousePressed_ || down_) && (mouseOver_ || !pressInProgress_);
}

void TsButton::Repaint() {
  skinData_.BGChanged = true;
  if (CanRepaint(this)) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TsButton::WndProc(TMessage& message) {
  if (message.Msg == SM_SKINCMD && HandleSkinCommand(message)) return;
  if (message.Msg == WM_TIMER && message.WParam == kFadeTimerId) {
    FadeTick();
    return;
  }
  if (CanRepaint(this) && skinData_.IsSkinned(true) && HandleSkinnedMessage(message)) return;
  TButton::WndProc(message);
}

bool TsButton::HandleSkinnedMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (message.WParam != 0) {
        Paint(reinterpret_cast<HDC>(message.WParam));
      } else {
        PaintScope paint(Handle());
        Paint(paint.get());
      }
      return true;
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      return true;
    case WM_ERASEBKGND:
    case WM_UPDATEUISTATE:
    case WM_ENABLE:
    case BM_SETSTATE:
    case CN_DRAWITEM:
    case CN_CTLCOLORBTN:
      // The whole picture comes from the cache; the system button must not draw or erase.
      message.Result = 0;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown();
      return true;
    case WM_LBUTTONUP:
      MouseUp(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      return true;
    case WM_MOUSEMOVE:
      TButton::WndProc(message);
      MouseMove(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      return true;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TButton::WndProc(message);
      if (message.LParam == 0) MouseCrossed(message.Msg == CM_MOUSEENTER);
      return true;
    case WM_KEYDOWN:
      if (message.WParam != VK_SPACE) return false;
      if ((message.LParam & (1 << 30)) == 0) SpaceDown();  // not the key's auto-repeat
      return true;
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) return false;
      SpaceUp();
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(message.LParam) != Handle()) CaptureLost();
      return false;
    case WM_SETFOCUS:
      FocusGained(message);
      return true;
    case WM_KILLFOCUS:
      FocusLost(message);
      return true;
    case WM_SIZE:
      StopFade();
      regionNeeded_ = true;
      return false;
    case WM_MOVE: {
      regionNeeded_ = true;
      skinData_.BGChanged = true;
      TButton::WndProc(message);
      const TsGeneralData& section = *skinData_.Section();
      if (section.Transparency > 0 || (CurrentButtonState() == 1 && section.HotTransparency > 0)) Repaint();
      return true;
    }
    case CM_VISIBLECHANGED:
    case WM_SHOWWINDOW:
      if (message.WParam == 0) StopFade();
      TButton::WndProc(message);
      if (message.WParam != 0) Repaint();
      return true;
    case CM_TEXTCHANGED:
      TButton::WndProc(message);
      Repaint();
      return true;
    case CM_ENABLEDCHANGED:
      StopFade();
      if (!Enabled()) {
        pressInProgress_ = mousePressed_ = false;
        if (GetCapture() == Handle()) ReleaseCapture();
      }
      TButton::WndProc(message);
      skinData_.Updating = false;
      skinData_.Invalidate();
      return true;
    case WM_SETTEXT:
    case BM_SETSTYLE:
      InheritedWithoutRedraw(message);
      skinData_.Updating = false;
      skinData_.Invalidate();
      return true;
    default:
      return false;
  }
}

bool TsButton::HandleSkinCommand(TMessage& message) {
  const bool ownManager = reinterpret_cast<TsSkinManager*>(message.LParam) == skinData_.GetSkinManager();
  switch (SkinCommandCode(message.WParam)) {
    case SMC_SKIN_SET:
      if (!ownManager) return false;
      StopFade();
      regionNeeded_ = true;
      return false;
    case SMC_SKIN_REMOVED:
      if (!ownManager) return false;
      StopFade();
      pendingRegion_.reset();
      regionNeeded_ = true;
      if (HandleAllocated()) SetWindowRgn(Handle(), nullptr, FALSE);
      TButton::WndProc(message);
      Repaint();
      return true;
    case SMC_REFRESH:
      if (!ownManager) return false;
      StopFade();
      regionNeeded_ = true;
      TButton::WndProc(message);
      Repaint();
      return true;
    case SMC_PARENT_UPDATED:
      if (skinData_.MustRebuild()) {
        skinData_.Updating = false;
        Repaint();
      }
      return true;
    case SMC_SET_PARENT_TRANSPARENT:
      if (skinData_.ParentTransparent) BuildCache();
      return true;
    case SMC_STOP_FADING:
      StopFade();
      return true;
    case SMC_PREPARE_CACHE:
      BuildCache();
      return true;
    case SMC_DRAW_FADE_FRAME:
      // A frame on the screen makes the pending region stale; the next paint makes it anew
      // (regionNeeded_ stays set).
      pendingRegion_.reset();
      message.Result = 0;
      return true;
    default:
      return false;
  }
}

void TsButton::MouseDown() {
  CancelHint();  // as every press does; the framework's own handling of it is bypassed
  if (!Enabled()) return;
  pressInProgress_ = true;
  mouseOver_ = true;
  SetCapture(Handle());
  if (!down_) {
    mousePressed_ = true;
    regionNeeded_ = true;
    skinData_.Updating = skinData_.MustRebuild();
    StartFade(true, aeMouseDown);
  }
  // After the fade began: gaining the focus now repaints the fade's frame, not a new picture.
  if (CanFocus() && !Focused()) SetFocus();
}

void TsButton::MouseUp(POINT point) {
  const bool pressed = pressInProgress_;
  pressInProgress_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  if (!Enabled()) return;
  if (fade_ != nullptr) {
    // The press's picture is shown whole first, so that the release fades from it.
    StopFade();
    Repaint();
  }
  mousePressed_ = false;
  regionNeeded_ = true;
  const RECT client = ClientRect();
  const bool inside = PtInRect(&client, point) != FALSE;
  mouseOver_ = inside;
  StartFade(true, aeMouseUp);
  // The click comes after the released look: a command that opens a dialog leaves no pressed
  // button behind it.
  if (pressed && inside) Click();
}

void TsButton::CaptureLost() {
  // Another window took the mouse mid-press (a switch to another program, a menu): the press is
  // over without a click, and the button must not stay pressed.
  if (!pressInProgress_) return;
  pressInProgress_ = false;
  mousePressed_ = false;
  StopFade();
  regionNeeded_ = true;
  Repaint();
}

void TsButton::MouseMove(POINT point) {
  if (!pressInProgress_) return;
  const RECT client = ClientRect();
  const bool over = PtInRect(&client, point) != FALSE;
  if (over == mouseOver_) return;
  mouseOver_ = over;
  StopFade();
  Repaint();
}

void TsButton::MouseCrossed(bool entered) {
  if (!Enabled()) return;
  if (entered && OnMouseEnter) OnMouseEnter(this);
  if (!entered && OnMouseLeave) OnMouseLeave(this);
  skinData_.Hot = entered;
  mouseOver_ = entered;
  StartFade(false, entered ? aeMouseEnter : aeMouseLeave);
}

void TsButton::SpaceDown() {
  if (!Enabled() || !Focused()) return;
  StopFade();
  mousePressed_ = true;
  regionNeeded_ = true;
  Repaint();
}

void TsButton::SpaceUp() {
  if (!mousePressed_ || pressInProgress_) return;
  mousePressed_ = false;
  regionNeeded_ = true;
  Repaint();
  // The button may have been disabled while the key was down (a run that just started).
  if (Enabled()) Click();
}

void TsButton::FocusGained(TMessage& message) {
  InheritedWithoutRedraw(message);
  // Turning redrawing off validated the window: ask for the paint again.
  if (fade_ != nullptr) {
    ::InvalidateRect(Handle(), nullptr, FALSE);
  } else {
    skinData_.Invalidate();
  }
}

void TsButton::FocusLost(TMessage& message) {
  mousePressed_ = false;
  if (Enabled()) StopFade();
  InheritedWithoutRedraw(message);
  skinData_.Focused = false;
  regionNeeded_ = true;
  skinData_.Invalidate();
}

void TsButton::InheritedWithoutRedraw(TMessage& message) {
  HWND window = Handle();
  const bool visible = (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
  if (visible) SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  TButton::WndProc(message);
  if (visible && IsWindow(window)) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
}

bool TsButton::IsAnimated(TacAnimatEvent event) const {
  return (animatEvents_ & event) != 0 || ((animatEvents_ & aeGlobalDef) != 0 && (ButtonEvents & event) != 0);
}

void TsButton::StartFade(bool half, TacAnimatEvent event) {
  if (!skinData_.IsSkinned()) return;
  const TsGeneralData& section = *skinData_.Section();
  const TBitmap* cache = skinData_.CacheBmp();
  const int iterations = half ? section.FadingIterations / 2 : section.FadingIterations;
  const bool fades = IsAnimated(event) && !Shared().SkinChanging && section.FadingEnabled && iterations > 0 &&
                     cache != nullptr && cache->Width() > 0 && !skinData_.BGChanged && HandleAllocated();
  skinData_.BGChanged = true;
  if (!fades) {
    StopFade();
    Repaint();
    return;
  }
  // The fade starts from what the window shows now: the cache, or the frame of a fade under way.
  const TBitmap& shown = fade_ != nullptr ? fade_->Frame() : *cache;
  if (fade_ == nullptr) fade_ = std::make_unique<TsFadeTimer>(*this, skinData_);
  fade_->Start(shown, iterations);
  SendSkinCommandToControl(this, SMC_PREPARE_CACHE);
  if (!fade_->Running()) {
    StopFade();
    Repaint();
  }
}

void TsButton::StopFade() {
  fade_.reset();
}

void TsButton::FadeTick() {
  if (fade_ == nullptr) {
    KillTimer(Handle(), kFadeTimerId);
    return;
  }
  if (fade_->Step()) return;
  SendSkinCommandToControl(this, SMC_STOP_FADING);
  // Something changed while the fade ran (the focus came, say): the last frame is out of date.
  if (skinData_.BGChanged) Repaint();
}

}  // namespace sundrel
