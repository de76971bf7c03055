// The two hooks of the default skin manager: the thread hook through which windows without a
// skin of their own are skinned automatically, and the hook on the application window.
#pragma once

#include <windows.h>

#include <functional>

#include "base/handles_win32.h"
#include "framework/application.h"
#include "framework/handler_registry.h"

namespace sundrel {

// A computer-based-training hook on the user-interface thread: it sees every window of the
// thread being created, activated and destroyed, passes every event on, and gives the windows the
// handlers that the registered factories make for them (framework/handler_registry.h); it owns
// those handlers. One is installed at a time: the default manager's.
class TacSkinningHook {
 public:
  // Raises Exception when the system refuses the hook.
  TacSkinningHook();
  // Frees the handlers it made.
  ~TacSkinningHook();
  TacSkinningHook(const TacSkinningHook&) = delete;
  TacSkinningHook& operator=(const TacSkinningHook&) = delete;

 private:
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

  UniqueHook hook_;
  TAutoHandlers handlers_;
};

// Sees the messages of the application window before the window does, for as long as it lives
// (or the application does). The handler answers true for a message it handled.
class TacMainWindowHook {
 public:
  using THandler = std::function<bool(TMessage&)>;
  TacMainWindowHook(TApplication& application, THandler handler);

 private:
  TRemovalToken hook_;
};

}  // namespace sundrel
