#include "skin/manager/pack_warning_win32.h"

#include <windows.h>

#include "base/utf.h"

namespace sundrel {

void ShowPackWarning(const std::string& text) {
  MessageBoxW(GetActiveWindow(), ToWide(text).c_str(), L"Warning", MB_OK | MB_ICONWARNING);
}

}  // namespace sundrel
