#include "skin/manager/program_folder_win32.h"

#include <windows.h>

#include <vector>

#include "base/utf.h"

namespace sundrel {

std::string ProgramFolder() {
  // Long paths may not fit MAX_PATH: grow until the whole name fits.
  std::vector<wchar_t> name(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      std::wstring path(name.data(), length);
      return FromWide(path.substr(0, path.find_last_of(L"\\/") + 1));
    }
    name.resize(name.size() * 2);
  }
}

}  // namespace sundrel
