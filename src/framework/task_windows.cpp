#include "framework/task_windows.h"

namespace sundrel {

TaskWindowsDisabled::TaskWindowsDisabled(HWND modal) : modal_(modal) {
  EnumThreadWindows(GetCurrentThreadId(), &Disable, reinterpret_cast<LPARAM>(this));
}

TaskWindowsDisabled::~TaskWindowsDisabled() {
  for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it) {
    if (IsWindow(*it)) EnableWindow(*it, TRUE);
  }
}

BOOL CALLBACK TaskWindowsDisabled::Disable(HWND window, LPARAM self) {
  auto* disabler = reinterpret_cast<TaskWindowsDisabled*>(self);
  if (window != disabler->modal_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    disabler->disabled_.push_back(window);
  }
  return TRUE;
}

}  // namespace sundrel
