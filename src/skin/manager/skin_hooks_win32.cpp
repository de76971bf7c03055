#include "skin/manager/skin_hooks_win32.h"

#include "base/errors.h"

namespace sundrel {

namespace {

TacSkinningHook* installedHook = nullptr;

}  // namespace

TacSkinningHook::TacSkinningHook() : hook_(SetWindowsHookExW(WH_CBT, &Procedure, nullptr, GetCurrentThreadId())) {
  if (!hook_) throw Exception("The skin's window hook could not be installed");
  installedHook = this;
}

TacSkinningHook::~TacSkinningHook() {
  if (installedHook == this) installedHook = nullptr;
}

LRESULT CALLBACK TacSkinningHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
  if (installedHook == nullptr) return result;
  auto window = reinterpret_cast<HWND>(wParam);
  // Inside the system's creating, activating or destroying call: a report must wait until it is over.
  try {
    TAutoHandlers& handlers = installedHook->handlers_;
    if (code == HCBT_CREATEWND) handlers.WindowCreated(window);
    if (code == HCBT_ACTIVATE) handlers.WindowActivated(window);
    if (code == HCBT_DESTROYWND) handlers.WindowDestroying(window);
  } catch (...) {
    HandleCurrentExceptionLater();
  }
  return result;
}

TacMainWindowHook::TacMainWindowHook(TApplication& application, THandler handler)
    : hook_(application.HookMainWindow([handler = std::move(handler)](TMessage& message, const TPassOn& passOn) {
        if (!handler(message)) passOn(message);
      })) {}

}  // namespace sundrel
