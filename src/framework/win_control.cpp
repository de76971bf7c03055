#include "framework/win_control.h"

#include <windowsx.h>

#include <algorithm>

#include "base/errors.h"
#include "base/utf.h"
#include "framework/application.h"
#include "framework/forms.h"
#include "framework/hint.h"
#include "framework/mouse_state.h"
#include "framework/window_class.h"

namespace sundrel {

namespace {

constexpr wchar_t kControlProperty[] = L"SundrelControl";

// The control whose window is being made: its window's first message binds the two.
thread_local TWinControl* creatingControl = nullptr;

bool IsWindowed(const TControl* control) {
  return dynamic_cast<const TWinControl*>(control) != nullptr;
}

bool IsFrameworkMessage(UINT msg) {
  return msg >= CM_BASE && msg < 0xC000;
}

// Identifiers of child windows, unique among the windows alive at a time as long as there are
// fewer than 0xFF00 of them; the first ones are left to the dialog commands (IDOK, IDCANCEL, ...).
UINT_PTR NextChildId() {
  static UINT_PTR last = 0xFF;
  last = last == 0xFFFF ? 0x100 : last + 1;
  return last;
}

LPARAM PointParam(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

}  // namespace

LRESULT CALLBACK FrameworkWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FindControl(window);
  if (control == nullptr && creatingControl != nullptr) {
    control = std::exchange(creatingControl, nullptr);
    control->AttachWindow(window);
  }
  if (control == nullptr) return CallWindowProcW(DefaultProcedureOf(window), window, msg, wParam, lParam);
  return control->MainWndProc(msg, wParam, lParam);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  if (TCustomForm* form = GetParentForm(this); form != nullptr && form != this) form->ForgetControl(this);
  DestroyHandle();
  while (!controls_.empty()) controls_.back()->Free();
}

TWinControl* TWinControl::FindControl(HWND window) {
  if (window == nullptr) return nullptr;
  return static_cast<TWinControl*>(GetPropW(window, kControlProperty));
}

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_.get();
}

LRESULT TWinControl::MainWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  try {
    Perform(message);
  } catch (...) {
    HandleMessageException(handle_.get(), msg);
  }
  if (msg == WM_NCDESTROY) DetachWindow();
  return message.Result;
}

void TWinControl::AttachWindow(HWND window) {
  handle_ = UniqueWindow(window);
  SetPropW(window, kControlProperty, this);
}

void TWinControl::DetachWindow() {
  if (!handle_) return;
  RemovePropW(handle_.get(), kControlProperty);
  handle_.release();
  trackingLeave_ = false;
}

void TWinControl::CreateParams(TCreateParams& params) const {
  params.Caption = ToWide(text_);
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WinClassName = ToWide(ClassName());
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  ownWindowClass_ = params.BaseClassName.empty();
  if (ownWindowClass_) {
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (Parent() != nullptr) params.WndParent = Parent()->Handle();
  defWndProc_ = EnsureWindowClass(params);
  creatingControl = this;
  // A child's identifier is how its owner-drawn items are measured (WM_MEASUREITEM names no window).
  const auto id = (params.Style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(NextChildId()) : nullptr;
  HWND window =
      CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style, params.X,
                      params.Y, params.Width, params.Height, params.WndParent, id, GetModuleHandleW(nullptr), nullptr);
  creatingControl = nullptr;
  if (window == nullptr) throw Exception("Error creating window");
  if (handle_.get() != window) AttachWindow(window);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  if (Parent() != nullptr) {
    Parent()->HandleNeeded();  // makes this window too, with the parent's other children
    if (handle_) return;
  }
  CreateWnd();
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (auto* child = dynamic_cast<TWinControl*>(controls_[i])) child->CreateHandle();
  }
  UpdateBounds();
  Realign();
}

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWindow(handle_.get());  // the last message, WM_NCDESTROY, lets go of it
  handle_.release();
}

void TWinControl::WindowDestroying() {
  text_ = ReadText();
}

void TWinControl::BeforeDestruction() {
  TControl::BeforeDestruction();
  DestroyHandle();
}

std::string TWinControl::ReadText() const {
  if (!handle_) return text_;
  const int length = GetWindowTextLengthW(handle_.get());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(handle_.get(), text.data(), length + 1)));
  return FromWide(text);
}

void TWinControl::WriteText(const std::string& text) {
  text_ = text;
  if (handle_) SetWindowTextW(handle_.get(), ToWide(text).c_str());
}

RECT TWinControl::ClientRect() const {
  RECT client{};
  if (handle_) {
    GetClientRect(handle_.get(), &client);
    return client;
  }
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return RECT{0, 0, std::max<LONG>(0, Width() - (frame.right - frame.left)),
              std::max<LONG>(0, Height() - (frame.bottom - frame.top))};
}

void TWinControl::BoundsChanged(const RECT& old) {
  if (handle_) {
    SetWindowPos(handle_.get(), nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (old.right - old.left != Width() || old.bottom - old.top != Height()) Realign();
}

void TWinControl::UpdateBounds() {
  if (!handle_) return;
  RECT bounds;
  GetWindowRect(handle_.get(), &bounds);
  if ((GetWindowLongPtrW(handle_.get(), GWL_STYLE) & WS_CHILD) != 0) {
    MapWindowPoints(nullptr, GetParent(handle_.get()), reinterpret_cast<POINT*>(&bounds), 2);
  }
  const bool resized = bounds.right - bounds.left != Width() || bounds.bottom - bounds.top != Height();
  left_ = bounds.left;
  top_ = bounds.top;
  width_ = bounds.right - bounds.left;
  height_ = bounds.bottom - bounds.top;
  if (resized) Realign();
}

void TWinControl::VisibleChanged() {
  if (!Visible()) MoveFocusAwayIfInside();
  if (handle_) {
    SetWindowPos(
        handle_.get(), nullptr, 0, 0, 0, 0,
        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  }
}

void TWinControl::EnabledChanged() {
  if (!Enabled()) MoveFocusAwayIfInside();
  if (handle_) EnableWindow(handle_.get(), Enabled());
}

void TWinControl::ChangeScale(int multiplier, int divider) {
  TControl::ChangeScale(multiplier, divider);
  ScaleChildren(multiplier, divider);
}

void TWinControl::ScaleChildren(int multiplier, int divider) {
  DisableAlign();
  try {
    for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->ChangeScale(multiplier, divider);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(windowed);
    if (handle_) windowed->CreateHandle();
  } else {
    control->Invalidate();
  }
}

void TWinControl::RemoveControl(TControl* control) {
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    windowed->DestroyHandle();
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), windowed), tabList_.end());
  } else {
    control->Invalidate();
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  control->parent_ = nullptr;
  if (control->Align() != alNone) Realign();
}

void TWinControl::Broadcast(TMessage& message) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    controls_[i]->Perform(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->Perform(msg);
}

TControl* TWinControl::GraphicControlAt(POINT point, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    if (IsWindowed(control) || !control->Visible() || (!allowDisabled && !control->Enabled())) continue;
    const RECT bounds = control->BoundsRect();
    if (PtInRect(&bounds, point)) return control;
  }
  return nullptr;
}

void TWinControl::Invalidate() {
  if (handle_) ::InvalidateRect(handle_.get(), nullptr, TRUE);
}

void TWinControl::InvalidateRect(const RECT& rect, bool erase) {
  if (handle_) ::InvalidateRect(handle_.get(), &rect, erase);
}

HBRUSH TWinControl::BackgroundBrush() {
  brush_.SetColor(Color());
  return brush_.Handle();
}

bool TWinControl::KeyDown(WORD, TShiftState) {
  return false;
}

bool TWinControl::RouteMouseToGraphicChild(TMessage& message) {
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* target = CaptureControl();
  if (target != nullptr && target->Parent() != this) target = nullptr;
  if (target == nullptr) target = GraphicControlAt(point, false);
  if (target == nullptr) return false;
  const bool buttonDown = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN;
  const bool buttonUp = message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP;
  if (buttonDown) {
    SetCapture(handle_.get());
    SetCaptureControl(target);
  } else if (buttonUp) {
    SetCaptureControl(nullptr);
    if (GetCapture() == handle_.get()) ReleaseCapture();
  }
  TMessage routed{message.Msg, message.WParam, PointParam(point.x - target->Left(), point.y - target->Top()), 0};
  target->Perform(routed);
  message.Result = routed.Result;
  return true;
}

void TWinControl::TrackMouse(TMessage& message) {
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* under = GraphicControlAt(point, true);
  SetMouseControl(under != nullptr ? under : this);
  if (!trackingLeave_ && handle_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_.get(), 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
}

bool TWinControl::HandleDialogKey(TMessage& message) {
  const WORD key = static_cast<WORD>(message.WParam);
  UINT wanted = 0;
  switch (key) {
    case VK_TAB:
      wanted = DLGC_WANTTAB | DLGC_WANTALLKEYS;
      break;
    case VK_RETURN:
    case VK_ESCAPE:
      wanted = DLGC_WANTALLKEYS;
      break;
    default:
      return false;
  }
  if (handle_ && (Perform(WM_GETDLGCODE, key, 0) & wanted) != 0) return false;
  TCustomForm* form = GetParentForm(this);
  return form != nullptr && form->Perform(CM_DIALOGKEY, key, message.LParam) != 0;
}

bool TWinControl::HandleKeyDown(TMessage& message) {
  const WORD key = static_cast<WORD>(message.WParam);
  const TShiftState shift = KeyboardShiftState();
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form != this && form->PreviewKeyDown(key, shift)) return true;
  return KeyDown(key, shift);
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (HandleKeyDown(message)) return;
      break;
    case CN_KEYDOWN:
      message.Result = HandleDialogKey(message) ? 1 : 0;
      return;
    case CM_DIALOGKEY:
      Broadcast(message);
      return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (ReflectToChild(message)) return;
      break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, ColorRefOf(Font().Color()));
      SetBkColor(dc, ColorRefOf(Color()));
      message.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
      return;
    }
    case WM_ERASEBKGND:
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (HandlePaintMessage(message)) return;
      break;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(message);
      UpdateBounds();
      return;
    case WM_MOUSEMOVE:
      TrackMouse(message);
      if (RouteMouseToGraphicChild(message)) return;
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      CancelHint();
      if (RouteMouseToGraphicChild(message)) return;
      break;
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
      if (RouteMouseToGraphicChild(message)) return;
      break;
    case WM_MOUSELEAVE: {
      trackingLeave_ = false;
      TControl* current = MouseControl();
      if (current == this || (current != nullptr && current->Parent() == this && !IsWindowed(current))) {
        SetMouseControl(nullptr);
      }
      break;
    }
    case WM_CAPTURECHANGED:
      if (CaptureControl() != nullptr && CaptureControl()->Parent() == this) SetCaptureControl(nullptr);
      break;
    case WM_DESTROY:
      WindowDestroying();
      break;
    case CM_COLORCHANGED:
      Invalidate();
      NotifyControls(CM_PARENTCOLORCHANGED);
      return;
    case CM_FONTCHANGED:
      if (handle_) SendMessageW(handle_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
      NotifyControls(CM_PARENTFONTCHANGED);
      Invalidate();
      return;
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (IsReflectedMessage(message.Msg)) {
    LeaveReflectedToParent(message);
    return;
  }
  if (!handle_ || IsFrameworkMessage(message.Msg)) return;
  message.Result = CallWindowProcW(defWndProc_, handle_.get(), message.Msg, message.WParam, message.LParam);
}

}  // namespace sundrel
