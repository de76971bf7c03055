#include "framework/message_box.h"

#include "base/utf.h"
#include "framework/application.h"
#include "framework/task_windows.h"

namespace sundrel {

namespace {

POINT& WishedPosition() {
  static POINT position{-1, -1};
  return position;
}

// The wished position holds only while the box is open, whatever way it closes.
class WishedPositionScope {
 public:
  WishedPositionScope(int x, int y) { WishedPosition() = {x, y}; }
  ~WishedPositionScope() { WishedPosition() = {-1, -1}; }
  WishedPositionScope(const WishedPositionScope&) = delete;
  WishedPositionScope& operator=(const WishedPositionScope&) = delete;
};

// The active window and the focused control of the program come back once the box has gone.
class ActiveWindowKept {
 public:
  ActiveWindowKept() : active_(GetActiveWindow()), focus_(GetFocus()) {}
  ~ActiveWindowKept() {
    if (active_ != nullptr && IsWindow(active_)) SetActiveWindow(active_);
    if (focus_ != nullptr && IsWindow(focus_)) SetFocus(focus_);
  }
  ActiveWindowKept(const ActiveWindowKept&) = delete;
  ActiveWindowKept& operator=(const ActiveWindowKept&) = delete;

 private:
  HWND active_;
  HWND focus_;
};

unsigned IconStyle(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning:
      return MB_ICONWARNING;
    case TMsgDlgType::mtError:
      return MB_ICONERROR;
    case TMsgDlgType::mtInformation:
      return MB_ICONINFORMATION;
    case TMsgDlgType::mtConfirmation:
      return MB_ICONQUESTION;
    case TMsgDlgType::mtCustom:
      break;
  }
  return 0;
}

unsigned ButtonStyle(TMsgDlgButtons buttons) {
  if (buttons & mbOK) return (buttons & mbCancel) ? MB_OKCANCEL : MB_OK;
  if (buttons & (mbAbort | mbIgnore)) return MB_ABORTRETRYIGNORE;
  if (buttons & (mbYes | mbNo)) return (buttons & mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
  if (buttons & mbRetry) return MB_RETRYCANCEL;
  return MB_OK;
}

}  // namespace

std::string DefaultMessageCaption(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning:
      return "Warning";
    case TMsgDlgType::mtError:
      return "Error";
    case TMsgDlgType::mtInformation:
      return "Information";
    case TMsgDlgType::mtConfirmation:
      return "Confirm";
    case TMsgDlgType::mtCustom:
      break;
  }
  return {};
}

unsigned MessageBoxStyle(TMsgDlgType type, TMsgDlgButtons buttons) {
  return ButtonStyle(buttons) | IconStyle(type) | ((buttons & mbHelp) ? MB_HELP : 0);
}

int ShowMessageBox(const std::optional<std::string>& caption, const std::string& text, TMsgDlgType type,
                   TMsgDlgButtons buttons, int x, int y) {
  const std::wstring title = ToWide(caption.has_value() ? *caption : DefaultMessageCaption(type));
  const HWND owner = Application != nullptr ? Application->ActiveWindowHandle() : GetActiveWindow();
  ActiveWindowKept kept;
  WishedPositionScope position(x, y);
  TaskWindowsDisabled disabled(nullptr);
  return MessageBoxW(owner, ToWide(text).c_str(), title.c_str(), MessageBoxStyle(type, buttons));
}

int ShowMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int /*helpContext*/) {
  return ShowMessageBox(std::nullopt, text, type, buttons);
}

void ShowWarningBox(const std::string& text) {
  ShowMessageBox(text, TMsgDlgType::mtWarning, mbOK);
}

void ShowErrorBox(const std::string& text) {
  ShowMessageBox(text, TMsgDlgType::mtError, mbOK);
}

POINT MessageBoxPosition() {
  return WishedPosition();
}

}  // namespace sundrel
