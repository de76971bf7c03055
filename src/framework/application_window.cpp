// The application window: hidden, without a size, captioned with the title. It owns the main
// form, stands for the program in the task bar, and passes its messages to the hooks first.
#include "base/errors.h"
#include "base/utf.h"
#include "framework/application.h"
#include "framework/forms.h"

namespace sundrel {

namespace {

constexpr wchar_t kClassName[] = L"TApplication";

void RegisterApplicationClass(WNDPROC procedure) {
  WNDCLASSW windowClass{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), kClassName, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassW(&windowClass) == 0) throw Exception("Error creating window");
}

}  // namespace

void TApplication::CreateHandle() {
  RegisterApplicationClass(&WindowProcedure);
  // In the middle of the screen, so that the system's animations of it start there.
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
  handle_.reset(CreateWindowExW(0, kClassName, L"",
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!handle_) throw Exception("Error creating window");
}

void TApplication::SetTitle(std::string title) {
  title_ = std::move(title);
  SetWindowTextW(Handle(), ToWide(title_).c_str());
}

// The system hides and shows the owned windows with their owner by itself, but not every
// implementation of it does (Wine without a window manager does not): say it explicitly.
void TApplication::Minimize() {
  if (IsIconic(Handle())) return;
  ShowOwnedPopups(Handle(), FALSE);
  ShowWindow(Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (IsIconic(Handle())) {
    ShowWindow(Handle(), SW_RESTORE);
    ShowOwnedPopups(Handle(), TRUE);
  }
  ActivateLastActiveForm();
}

// The main form, or the window it was last working with (a modal form or message box).
void TApplication::ActivateLastActiveForm() const {
  if (mainForm_ == nullptr || !mainForm_->HandleAllocated()) return;
  HWND target = GetLastActivePopup(mainForm_->Handle());
  if (IsWindowVisible(target) && IsWindowEnabled(target)) SetForegroundWindow(target);
}

LRESULT CALLBACK TApplication::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (Application == nullptr || Application->Handle() != window) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  try {
    Application->hooks_.Dispatch(message);
  } catch (...) {
    HandleMessageException(window, msg);
  }
  return message.Result;
}

void TApplication::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      // Closing the task-bar entry closes the main form, which ends the program.
      if (mainForm_ != nullptr) mainForm_->Close();
      return;
    case WM_SYSCOMMAND:
      switch (message.WParam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return;
        case SC_RESTORE:
          Restore();
          return;
      }
      break;
    case kShowPendingReports:
      ShowPendingReports();
      return;
    case WM_SETFOCUS:
      // The application window is never worked in: the focus goes on to the form.
      ActivateLastActiveForm();
      return;
  }
  message.Result = DefWindowProcW(Handle(), message.Msg, message.WParam, message.LParam);
}

}  // namespace sundrel
