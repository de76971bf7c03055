#include "framework/utility_window.h"

#include "base/errors.h"
#include "framework/application.h"

namespace sundrel {

namespace {

constexpr wchar_t kClassName[] = L"TPUtilWindow";

void RegisterUtilityClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  if (!registered) throw Exception("Window class could not be registered");
}

}  // namespace

UtilityWindow::UtilityWindow(Handler handler) : handler_(std::move(handler)) {
  RegisterUtilityClass(&Procedure);
  window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  if (!window_) throw Exception("Error creating window");
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK UtilityWindow::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<UtilityWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && msg != WM_NCDESTROY) {
    TMessage message{msg, wParam, lParam, 0};
    try {
      if (self->handler_(message)) return message.Result;
    } catch (...) {
      HandleMessageException(window, msg);
      return 0;
    }
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace sundrel
