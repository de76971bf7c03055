#include "skin/manager/skin_hooks_win32.h"

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

TacMainWindowHook::TacMainWindowHook(TApplication& application, TApplication::TWindowHook handler)
    : application_(&application), id_(application.HookMainWindow(std::move(handler))) {}

TacMainWindowHook::~TacMainWindowHook() {
  if (Application == application_) application_->UnhookMainWindow(id_);
}

}  // namespace sundrel
