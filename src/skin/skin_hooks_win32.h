// The two hooks of the default skin manager: the thread hook through which windows without a
// skin of their own are skinned automatically, and the hook on the application window.
#pragma once

#include <windows.h>

#include <functional>

#include "base/handles_win32.h"
#include "framework/application.h"

namespace sundrel {

// A computer-based-training hook on the user-interface thread: it sees every window of the
// thread being created, activated and destroyed. It passes every event on; the automatic skinning
// of forms and dialogs works through it.
class TacSkinningHook {
 public:
  // Raises Exception when the system refuses the hook.
  TacSkinningHook();
  TacSkinningHook(const TacSkinningHook&) = delete;
  TacSkinningHook& operator=(const TacSkinningHook&) = delete;

 private:
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

  UniqueHook hook_;
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
