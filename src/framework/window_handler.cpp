#include "framework/window_handler.h"

#include "framework/win_control.h"

namespace sundrel {

TWindowHandler::TWindowHandler() : calls_(std::make_shared<int>(0)) {}

TWindowHandler::~TWindowHandler() = default;

void TWindowHandler::Attach(HWND window) {
  if (TWinControl* control = TWinControl::FindControl(window)) {
    Attach(*control);
    return;
  }
  Detach();
  subclass_ = std::make_unique<TWindowSubclass>(window, Hook());
  window_ = window;
}

void TWindowHandler::Attach(TControl& control) {
  Detach();
  controlHook_ = control.MessageHooks().Add(Hook());
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  window_ = windowed != nullptr && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

void TWindowHandler::Detach() {
  controlHook_.Remove();
  subclass_.reset();
  window_ = nullptr;
}

bool TWindowHandler::Attached() const {
  return subclass_ != nullptr ? subclass_->Attached() : static_cast<bool>(controlHook_);
}

void TWindowHandler::WndProc(TMessage& message, const TPassOn& passOn) {
  passOn(message);
}

TMessageHook TWindowHandler::Hook() {
  // The count lives apart from the handler, so that a handler freed by one of its own messages
  // is not written to on the way out.
  return [this, calls = calls_](TMessage& message, const TPassOn& passOn) {
    struct Counted {
      explicit Counted(int& count) : count_(count) { ++count_; }
      ~Counted() { --count_; }
      int& count_;
    } counted(*calls);
    WndProc(message, passOn);
  };
}

}  // namespace sundrel
