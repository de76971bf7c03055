// While a modal window runs (a form shown modally, the program's message box), the thread's other
// windows are disabled, and enabled again after, whatever way the modal run ends.
#pragma once

#include <windows.h>

#include <vector>

namespace sundrel {

class TaskWindowsDisabled {
 public:
  // Disables every visible, enabled window of the thread but `modal` (nullptr: every one).
  explicit TaskWindowsDisabled(HWND modal);
  // Enables those that still exist, the last disabled first.
  ~TaskWindowsDisabled();
  TaskWindowsDisabled(const TaskWindowsDisabled&) = delete;
  TaskWindowsDisabled& operator=(const TaskWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self);

  HWND modal_;
  std::vector<HWND> disabled_;
};

}  // namespace sundrel
