#include "framework/window_class.h"

#include <map>
#include <string>

#include "base/errors.h"

namespace sundrel {

namespace {

std::map<std::wstring, WNDPROC>& RegisteredClasses() {
  static std::map<std::wstring, WNDPROC> classes;
  return classes;
}

}  // namespace

WNDPROC EnsureWindowClass(const TCreateParams& params) {
  auto& classes = RegisteredClasses();
  const auto known = classes.find(params.WinClassName);
  if (known != classes.end()) return known->second;

  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  WNDPROC defaultProc = DefWindowProcW;
  if (!params.BaseClassName.empty()) {
    if (!GetClassInfoExW(nullptr, params.BaseClassName.c_str(), &windowClass)) {
      throw Exception("Window class not found");
    }
    defaultProc = windowClass.lpfnWndProc;
    // The native button's parent-DC style makes the system ignore a window region when painting
    // it; our windows clip themselves.
    windowClass.style = (windowClass.style | params.ClassStyle) & ~(CS_PARENTDC | CS_GLOBALCLASS);
  } else {
    windowClass.style = params.ClassStyle;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  }
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = FrameworkWindowProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = params.WinClassName.c_str();
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw Exception("Window class could not be registered");
  }
  classes.emplace(params.WinClassName, defaultProc);
  return defaultProc;
}

WNDPROC DefaultProcedureOf(HWND window) {
  wchar_t name[256];
  if (GetClassNameW(window, name, 256) > 0) {
    const auto known = RegisteredClasses().find(name);
    if (known != RegisteredClasses().end()) return known->second;
  }
  return DefWindowProcW;
}

}  // namespace sundrel
