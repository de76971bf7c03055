// The class name of a window, as the automatic skinning reads it (at most 127 characters).
#pragma once

#include <windows.h>

#include <string>

namespace sundrel {

inline std::wstring WindowClassName(HWND window) {
  wchar_t name[128] = L"";
  GetClassNameW(window, name, 128);
  return name;
}

}  // namespace sundrel
