#include "framework/application.h"

#include <commctrl.h>

#include "base/errors.h"
#include "base/utf.h"
#include "framework/forms.h"
#include "framework/win_control.h"

namespace sundrel {

TApplication* Application = nullptr;

TApplication::TApplication() : TComponent(nullptr) {
  if (Application != nullptr) throw Exception("There is an application already");
  CreateHandle();
  Application = this;
}

TApplication::~TApplication() {
  // The forms go first: destroying the window would take their windows along behind their backs.
  DestroyComponents();
  handle_.reset();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
}

void TApplication::Run() {
  // Shown without a size: nothing of it is seen but its task-bar entry.
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  if (mainForm_ != nullptr) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::HandleMessage() {
  if (!ProcessMessage()) WaitMessage();
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

bool TApplication::ProcessMessage() {
  MSG message;
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (message.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!IsKeyMessage(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

// Tab, Enter and Esc that the focused control does not want go to its form first
// (CN_KEYDOWN, then CM_DIALOGKEY), which moves the focus or clicks the default or cancel button.
bool TApplication::IsKeyMessage(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  TWinControl* control = TWinControl::FindControl(message.hwnd);
  if (control == nullptr) control = TWinControl::FindControl(GetParent(message.hwnd));
  return control != nullptr && control->Perform(CN_KEYDOWN, message.wParam, message.lParam) != 0;
}

HWND TApplication::ActiveWindowHandle() const {
  HWND active = GetActiveWindow();
  if (active != nullptr) return active;
  return mainForm_ != nullptr && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
}

void TApplication::ShowException(const std::string& message) {
  MessageBoxW(ActiveWindowHandle(), ToWide(ErrorReportText(message)).c_str(), ToWide(title_).c_str(),
              MB_OK | MB_ICONSTOP);
}

void TApplication::ShowExceptionLater(const std::string& message) {
  pendingReports_.push_back(message);
  PostMessageW(Handle(), kShowPendingReports, 0, 0);
}

void TApplication::ShowPendingReports() {
  while (!pendingReports_.empty()) {
    const std::string message = std::move(pendingReports_.front());
    pendingReports_.pop_front();
    ShowException(message);
  }
}

std::string ErrorReportText(std::string_view message) {
  std::string text(message);
  // Every byte of a character beyond ASCII sorts after ".", as the character itself does.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

void HandleCurrentException() {
  const std::string message = CurrentExceptionMessage();
  if (Application != nullptr) {
    Application->ShowException(message);
  } else {
    MessageBoxW(nullptr, ToWide(ErrorReportText(message)).c_str(), L"Error", MB_OK | MB_ICONSTOP);
  }
}

namespace {

bool IsPaintMessage(UINT msg) {
  switch (msg) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_PRINT:
    case WM_PRINTCLIENT:
    case WM_DRAWITEM:
      return true;
    default:
      return false;
  }
}

}  // namespace

void HandleCurrentExceptionLater() {
  if (Application == nullptr) {
    HandleCurrentException();
    return;
  }
  Application->ShowExceptionLater(CurrentExceptionMessage());
}

void HandleMessageException(HWND window, UINT msg) {
  if (!IsPaintMessage(msg)) {
    HandleCurrentException();
    return;
  }
  if (msg == WM_PAINT) ValidateRect(window, nullptr);
  HandleCurrentExceptionLater();
}

}  // namespace sundrel
