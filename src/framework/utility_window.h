// A hidden window that hands its messages to a function: timers and menus need a window to
// talk to, but no control.
#pragma once

#include <functional>

#include "base/handles_win32.h"
#include "framework/messages.h"

namespace sundrel {

class UtilityWindow {
 public:
  // Answers whether it handled the message; the rest go to the default procedure.
  using Handler = std::function<bool(TMessage&)>;
  explicit UtilityWindow(Handler handler);
  UtilityWindow(const UtilityWindow&) = delete;
  UtilityWindow& operator=(const UtilityWindow&) = delete;

  HWND Handle() const { return window_.get(); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  Handler handler_;
  UniqueWindow window_;
};

}  // namespace sundrel
