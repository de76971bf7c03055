// The application: its title, its forms, the message loop, and the default report of errors
// that no command handled.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <string_view>

#include "base/handles_win32.h"
#include "framework/component.h"
#include "framework/message_hooks.h"
#include "framework/messages.h"

namespace sundrel {

class TCustomForm;

// The application stands on a hidden window of its own, of class "TApplication": it owns the
// main form (so that every form shares its one task-bar entry, which shows the title), is
// minimized and restored for the whole program, and lets components hook its messages.
class TApplication : public TComponent {
 public:
  // There is one application at a time; it becomes the global `Application`.
  TApplication();
  ~TApplication() override;

  // Readies the common controls the framework wraps.
  void Initialize();
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title);
  // The application window.
  HWND Handle() const { return handle_.get(); }

  // A hook sees the application window's messages before the window does, the hook added last
  // first (see TMessageHookChain); letting the token go takes it off again.
  [[nodiscard]] TRemovalToken HookMainWindow(TMessageHook hook) { return hooks_.Add(std::move(hook)); }

  // Minimizes the application window, which hides the forms with it; Restore brings them back
  // and activates the one the user worked in last.
  void Minimize();
  void Restore();

  // Creates a form owned by the application; the first one becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    if (mainForm_ == nullptr) mainForm_ = form;
    return form;
  }
  TCustomForm* MainForm() const { return mainForm_; }

  // Shows the main form and handles messages until the application is terminated.
  void Run();
  // Handles one message, waiting for one when none is there.
  void HandleMessage();
  // Handles every message that is waiting, then returns.
  void ProcessMessages();
  bool Terminated() const { return terminated_; }
  void Terminate() { PostQuitMessage(0); }

  // The default error report: a system message box owned by the active window, captioned with
  // the title, with the error icon and one OK button.
  void ShowException(const std::string& message);
  // The same report, shown once the message being handled now is done: posted to the application
  // window (a modal box must not open in the middle of painting).
  void ShowExceptionLater(const std::string& message);
  // The message that the application window gets for the reports that wait.
  static constexpr UINT kShowPendingReports = WM_USER + 1;
  // The window that owns the application's dialogs and message boxes now.
  HWND ActiveWindowHandle() const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool ProcessMessage();
  bool IsKeyMessage(const MSG& message);
  void CreateHandle();
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void WndProc(TMessage& message);
  void ActivateLastActiveForm() const;
  void ShowPendingReports();

  TMessageHookChain hooks_{[this](TMessage& message) { WndProc(message); }};
  UniqueWindow handle_;
  std::deque<std::string> pendingReports_;
  std::string title_;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

extern TApplication* Application;

// Shows the exception being handled (call it inside a catch block) with the application's
// default error report, or with a plain box when there is no application.
void HandleCurrentException();

// Shows the exception being handled (call it inside a catch block) once the message or the
// system call being handled now is over (see TApplication::ShowExceptionLater); with a plain box
// at once when there is no application, which has no loop to wait for.
void HandleCurrentExceptionLater();

// What every window procedure of the framework does with an exception that the handlers of a
// message let out (call it inside a catch block). Painting messages defer the report until they
// are over, and a failed WM_PAINT validates the window, so that the paint neither opens a modal
// box in its middle nor comes straight back; any other message shows the report at once.
void HandleMessageException(HWND window, UINT msg);

// The error report's text: the message followed by a full stop, unless its last character
// already sorts at or before ".".
std::string ErrorReportText(std::string_view message);

}  // namespace sundrel
