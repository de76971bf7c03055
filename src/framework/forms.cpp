#include "framework/forms.h"

#include <algorithm>
#include <cstdlib>

#include "base/errors.h"
#include "framework/application.h"
#include "framework/screen.h"
#include "framework/task_windows.h"

namespace sundrel {

namespace {

std::vector<TCustomForm*>& FormList() {
  static std::vector<TCustomForm*> forms;
  return forms;
}

HICON ApplicationIcon(int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

const std::vector<TCustomForm*>& Forms() {
  return FormList();
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetParentColor(false);
  SetParentFont(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  FormList().push_back(this);
}

TCustomForm::~TCustomForm() {
  auto& forms = FormList();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.Style &= ~(WS_CHILD | WS_VISIBLE | WS_TABSTOP);
  switch (borderStyle_) {
    case bsNone:
      params.Style |= WS_POPUP;
      break;
    case bsSingle:
      params.Style |= WS_CAPTION;
      break;
    case bsSizeable:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu) != 0) {
    params.Style |= WS_SYSMENU;
    // A tool window's caption has room for the close button only.
    if (borderStyle_ != bsDialog && borderStyle_ != bsSizeToolWin) {
      if ((borderIcons_ & biMinimize) != 0) params.Style |= WS_MINIMIZEBOX;
      if ((borderIcons_ & biMaximize) != 0) params.Style |= WS_MAXIMIZEBOX;
    }
  }
  // The application window owns the forms: their task-bar entry is the application's.
  if (Application != nullptr) params.WndParent = Application->Handle();
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  // Forms other than the main form belong to it, so they stay in front of it.
  TCustomForm* mainForm = Application != nullptr ? Application->MainForm() : nullptr;
  if (mainForm != nullptr && mainForm != this && mainForm->HandleAllocated()) {
    SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(mainForm->Handle()));
  }
  if (borderStyle_ != bsDialog) {
    if (HICON big = ApplicationIcon(GetSystemMetrics(SM_CXICON))) {
      SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    }
    if (HICON small = ApplicationIcon(GetSystemMetrics(SM_CXSMICON))) {
      SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
  }
}

void TCustomForm::SetClientSize(int width, int height) {
  RECT frame{0, 0, 0, 0};
  if (HandleAllocated()) {
    RECT window, client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    frame = RECT{0, 0, (window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
  } else {
    TCreateParams params;
    CreateParams(params);
    AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  }
  SetBounds(Left(), Top(), width + frame.right - frame.left, height + frame.bottom - frame.top);
}

void TCustomForm::ChangeScale(int multiplier, int divider) {
  const int width = MulDiv(ClientWidth(), multiplier, divider);
  const int height = MulDiv(ClientHeight(), multiplier, divider);
  Font().SetHeight(MulDiv(Font().Height(), multiplier, divider));
  ScaleChildren(multiplier, divider);
  SetClientSize(width, height);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  const int pixelsPerInch = ScreenPixelsPerInch();
  if (scaled_ && pixelsPerInch != kDesignPixelsPerInch) ChangeScale(pixelsPerInch, kDesignPixelsPerInch);
}

void TCustomForm::VisibleChanged() {
  if (!Visible()) {
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    return;
  }
  HandleNeeded();
  if (!shownBefore_ && position_ == poScreenCenter) CentreOnScreen();
  shownBefore_ = true;
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void TCustomForm::CentreOnScreen() {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  SetBounds((screenWidth - Width()) / 2, (screenHeight - Height()) / 2, Width(), Height());
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control != nullptr && Visible() && HandleAllocated() && GetActiveWindow() == Handle() && control->CanFocus()) {
    ::SetFocus(control->Handle());
  }
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
  TWinControl* target = control == this ? nullptr : control;
  if (target == focusedControl_) return;
  TWinControl* previous = focusedControl_;
  focusedControl_ = target;
  if (target != nullptr) activeControl_ = target;
  if (previous != nullptr) previous->Perform(CM_EXIT);
  if (target != nullptr) target->Perform(CM_ENTER);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(target));
  NotifyFocusChanged(this, target);
}

void TCustomForm::NotifyFocusChanged(TWinControl* container, TWinControl* focused) {
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* control = container->Controls(i);
    control->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(focused));
    if (auto* inner = dynamic_cast<TWinControl*>(control)) NotifyFocusChanged(inner, focused);
  }
}

void TCustomForm::ForgetControl(TWinControl* control) {
  if (activeControl_ == control) activeControl_ = nullptr;
  if (focusedControl_ == control) focusedControl_ = nullptr;
}

bool TCustomForm::FocusActiveControl() {
  if (activeControl_ != nullptr && activeControl_->CanFocus()) {
    ::SetFocus(activeControl_->Handle());
    return true;
  }
  return SelectNext(nullptr, true, true);
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || modal_) throw Exception("Cannot make a visible window modal");
  if (Application == nullptr) throw Exception("A modal form needs the application's message loop");
  ReleaseCapture();
  HWND previousActive = GetActiveWindow();
  modal_ = true;
  modalResult_ = mrNone;
  try {
    {
      TaskWindowsDisabled disabled(Handle());
      Show();
      while (modalResult_ == mrNone) {
        Application->HandleMessage();
        if (Application->Terminated()) modalResult_ = mrCancel;
      }
    }
    // Only now: a form that hides while the others are still disabled leaves the system nothing of
    // the program to activate, and another program comes to the front.
    Hide();
  } catch (...) {
    modal_ = false;
    Hide();
    throw;
  }
  modal_ = false;
  if (previousActive != nullptr && IsWindow(previousActive)) SetActiveWindow(previousActive);
  return modalResult_;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  TCloseAction action = caHide;
  if (OnClose) OnClose(this, action);
  switch (action) {
    case caNone:
      return;
    case caMinimize:
      if (Application != nullptr && Application->MainForm() == this) {
        Application->Minimize();
      } else {
        ShowWindow(Handle(), SW_MINIMIZE);
      }
      return;
    case caHide:
      if (Application != nullptr && Application->MainForm() == this) {
        Application->Terminate();
      } else {
        Hide();
      }
      return;
  }
}

void TCustomForm::SnapToWorkArea(WINDOWPOS& position) const {
  const RECT work = WorkAreaOf(position.hwnd);
  const int width = (position.flags & SWP_NOSIZE) != 0 ? Width() : position.cx;
  const int height = (position.flags & SWP_NOSIZE) != 0 ? Height() : position.cy;
  if (std::abs(position.x - work.left) <= snapBuffer_) {
    position.x = work.left;
  } else if (std::abs(position.x + width - work.right) <= snapBuffer_) {
    position.x = work.right - width;
  }
  if (std::abs(position.y - work.top) <= snapBuffer_) {
    position.y = work.top;
  } else if (std::abs(position.y + height - work.bottom) <= snapBuffer_) {
    position.y = work.bottom - height;
  }
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_SYSCOMMAND:
      // The main form minimizes the whole program, down to the application's task-bar entry.
      if ((message.WParam & 0xFFF0) == SC_MINIMIZE && Application != nullptr && Application->MainForm() == this) {
        Application->Minimize();
        return;
      }
      break;
    case WM_WINDOWPOSCHANGING: {
      auto* position = reinterpret_cast<WINDOWPOS*>(message.LParam);
      if (screenSnap_ && (position->flags & SWP_NOMOVE) == 0 && !IsIconic(position->hwnd)) SnapToWorkArea(*position);
      break;
    }
    case WM_ACTIVATE:
      if (LOWORD(message.WParam) != WA_INACTIVE && HIWORD(message.WParam) == 0 && FocusActiveControl()) {
        message.Result = 0;
        return;
      }
      break;
    case CM_DIALOGKEY:
      if (message.WParam == VK_TAB && (KeyboardShiftState() & (ssAlt | ssCtrl)) == 0) {
        SelectNext(activeControl_, (KeyboardShiftState() & ssShift) == 0, true);
        message.Result = 1;
        return;
      }
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace sundrel
