// The owner of one subclass of a window: the way to see the messages of a window that is not a
// framework control (a system dialog or one of its controls, a message box, the owner window of a
// menu). A framework control's messages are reached through its own hooks (TControl::MessageHooks).
#pragma once

#include <windows.h>

#include <memory>

#include "framework/message_hooks.h"
#include "framework/removal_token.h"

namespace sundrel {

// The hook sees every message of the window before the window's procedure; what it hands on goes
// to that procedure. Several subclasses of one window share one window procedure of ours, with the
// hooks in its chain (the one made last sees the messages first), so they go in any order.
//
// At WM_NCDESTROY the subclass lets go of the window by itself, after the hooks have seen the
// message; the owner may go later without touching the window again. When the last hook of a
// window goes, the window gets its previous procedure back, but only while ours is still the one
// it calls: when something else has subclassed it since, ours stays as a pass-through, so that
// nobody is left calling a procedure that is gone. Nothing is freed while one of its messages is
// still being handled.
class TWindowSubclass {
 public:
  // Raises Exception when the window cannot be subclassed (it is gone, or of another thread).
  TWindowSubclass(HWND window, TMessageHook hook);
  ~TWindowSubclass();
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  HWND Window() const { return window_; }
  // Whether the hook still sees the window's messages: false once the window was destroyed.
  bool Attached() const;

 private:
  struct Record;
  HWND window_;
  std::weak_ptr<Record> record_;
  TRemovalToken hook_;
};

}  // namespace sundrel
