// Window handlers: objects that take over an existing window (a control of a system dialog, a
// popup menu's window, a framework control whose scroll bars are drawn by the system) and see its
// messages before it does. The skinning layers derive theirs from TWindowHandler; the framework
// knows nothing of what they paint.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/control.h"
#include "framework/message_hooks.h"
#include "framework/window_subclass.h"

namespace sundrel {

// A handler reaches a framework control through the control's hooks, so it also sees what is
// handed to the control directly (Perform), and any other window through a subclass. Either way
// its WndProc is asked first and passOn hands a message to what was there before, so whoever
// talks to a handled window (a skin command, a paint) needs only the window's own route.
class TWindowHandler {
 public:
  TWindowHandler();
  virtual ~TWindowHandler();
  TWindowHandler(const TWindowHandler&) = delete;
  TWindowHandler& operator=(const TWindowHandler&) = delete;

  // Takes over the window, through its control's hooks when it is a framework control's window.
  // An earlier attachment is given up first.
  void Attach(HWND window);
  // Takes over the control itself, with or without its window.
  void Attach(TControl& control);
  void Detach();

  // Whether the handler still sees the messages: false after Detach, or once a subclassed window
  // was destroyed (its handler then stays inert until its owner frees it).
  bool Attached() const;
  // Whether one of its messages is being handled now: it must not be freed then.
  bool Busy() const { return *calls_ > 0; }
  // The window taken over; nullptr for a control without one.
  HWND Window() const { return window_; }

 protected:
  // Every message first. The base hands each on.
  virtual void WndProc(TMessage& message, const TPassOn& passOn);

 private:
  TMessageHook Hook();

  HWND window_ = nullptr;
  TRemovalToken controlHook_;
  std::unique_ptr<TWindowSubclass> subclass_;
  std::shared_ptr<int> calls_;
};

}  // namespace sundrel
