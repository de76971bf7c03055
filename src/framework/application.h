// The application: its title, its forms, the message loop, and the default report of errors
// that no command handled.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/component.h"

namespace sundrel {

class TCustomForm;

class TApplication : public TComponent {
 public:
  // There is one application at a time; it becomes the global `Application`.
  TApplication();
  ~TApplication() override;

  // Readies the common controls the framework wraps.
  void Initialize();
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

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
  // The window that owns the application's dialogs and message boxes now.
  HWND ActiveWindowHandle() const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool ProcessMessage();
  bool IsKeyMessage(const MSG& message);

  std::string title_;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

extern TApplication* Application;

// Shows the exception being handled (call it inside a catch block) with the application's
// default error report, or with a plain box when there is no application.
void HandleCurrentException();

// The error report's text: the message followed by a full stop, unless its last character
// already sorts at or before ".".
std::string ErrorReportText(std::string_view message);

}  // namespace sundrel
