#include "framework/file_checks.h"

#include "base/os_file.h"

namespace sundrel {

bool FileExists(const std::string& path) {
  return CurrentFileSystem().FileExists(path);
}

bool DirectoryExists(const std::string& path) {
  return CurrentFileSystem().FolderExists(path);
}

}  // namespace sundrel
