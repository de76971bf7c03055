#include "skin/skin_hooks_win32.h"

#include "base/errors.h"

namespace sundrel {

TacSkinningHook::TacSkinningHook() : hook_(SetWindowsHookExW(WH_CBT, &Procedure, nullptr, GetCurrentThreadId())) {
  if (hook_ == nullptr) throw Exception("The skin's window hook could not be installed");
}

TacSkinningHook::~TacSkinningHook() {
  UnhookWindowsHookEx(hook_);
}

LRESULT CALLBACK TacSkinningHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TacMainWindowHook::Procedure::operator()(TMessage& message) const {
  if (state->live && state->handler(message)) return;
  state->previous(message);
}

TacMainWindowHook::TacMainWindowHook(TCustomForm& form, Handler handler)
    : form_(&form), state_(std::make_shared<State>(State{std::move(handler), form.WindowProc})) {
  form.WindowProc = Procedure{state_};
}

TacMainWindowHook::~TacMainWindowHook() {
  const Procedure* installed = form_ != nullptr ? form_->WindowProc.target<Procedure>() : nullptr;
  if (installed != nullptr && installed->state == state_) {
    form_->WindowProc = state_->previous;
  } else {
    state_->live = false;
  }
}

}  // namespace sundrel
