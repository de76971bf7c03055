// Which window handler takes over a window that was not made skinned (a system dialog, a popup
// menu's window, a message box, a framework form without its own provider): a table from window
// class name to handler factory. The layer that owns the handlers fills it; the thread hook of
// the automatic skinning consults it through TAutoHandlers as windows are made, activated and
// destroyed. The framework registers nothing itself.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/removal_token.h"
#include "framework/window_handler.h"

namespace sundrel {

enum class THandlerMoment { Created, Activated };

// Makes the handler for the window, attached already, or answers nullptr to leave the window
// alone. A factory may also attach something that its own layer owns (a form's skin provider,
// owned by the form) and answer nullptr.
using THandlerFactory = std::function<std::unique_ptr<TWindowHandler>(HWND window)>;

// Registers a factory for the windows of a class (compared without regard to case, as the system
// does) at the moment; the empty name answers for every class without a factory of its own. The
// latest registration for a class and moment counts; letting the token go takes it out again.
[[nodiscard]] TRemovalToken RegisterHandlerFactory(std::wstring className, THandlerMoment moment,
                                                   THandlerFactory factory);

// The factory for the window's class at the moment; an empty one when there is none.
THandlerFactory FindHandlerFactory(HWND window, THandlerMoment moment);

// The handlers that the registered factories made, each owned until its window has gone.
class TAutoHandlers {
 public:
  TAutoHandlers() = default;
  TAutoHandlers(const TAutoHandlers&) = delete;
  TAutoHandlers& operator=(const TAutoHandlers&) = delete;

  void WindowCreated(HWND window) { Make(window, THandlerMoment::Created); }
  void WindowActivated(HWND window) { Make(window, THandlerMoment::Activated); }
  // A window is about to go: the handlers whose windows went before are freed now (a handler lets
  // go of its window at the window's last message, after this notice), unless one of their
  // messages is still being handled.
  void WindowDestroying(HWND window);
  int Count() const { return static_cast<int>(handlers_.size()); }

 private:
  void Make(HWND window, THandlerMoment moment);

  std::vector<std::unique_ptr<TWindowHandler>> handlers_;
};

}  // namespace sundrel
