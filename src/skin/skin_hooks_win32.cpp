#include "skin/skin_hooks_win32.h"

#include "base/errors.h"

namespace sundrel {

TacSkinningHook::TacSkinningHook() : hook_(SetWindowsHookExW(WH_CBT, &Procedure, nullptr, GetCurrentThreadId())) {
  if (!hook_) throw Exception("The skin's window hook could not be installed");
}

LRESULT CALLBACK TacSkinningHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TacMainWindowHook::TacMainWindowHook(TApplication& application, THandler handler)
    : hook_(application.HookMainWindow([handler = std::move(handler)](TMessage& message, const TPassOn& passOn) {
        if (!handler(message)) passOn(message);
      })) {}

}  // namespace sundrel
