#include "dialogs/s_path_dialog.h"

#include <windows.h>

#include "base/errors.h"
#include "base/utf.h"
#include "framework/application.h"
#include "framework/file_checks.h"
#include "framework/folder_browser.h"

namespace sundrel {

namespace {

std::string WithoutTrailingBackslash(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

bool TsPathDialog::Execute() {
  std::string start = path_;
  if (start == "." || !DirectoryExists(start)) start.clear();
  if (!noChangeDir_ && !start.empty() && !SetCurrentDirectoryW(ToWide(start).c_str())) {
    throw Exception("I/O error " + std::to_string(GetLastError()));
  }
  const HWND owner = Application != nullptr ? Application->ActiveWindowHandle() : nullptr;
  const std::optional<std::string> chosen = BrowseForFolder(owner, caption_, root_, start);
  if (!chosen) return false;
  if (DirectoryExists(*chosen)) path_ = WithoutTrailingBackslash(*chosen);
  return true;
}

}  // namespace sundrel
