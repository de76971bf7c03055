#include "screenshot_folder.h"

#include <cstdlib>

namespace sundrel::testing {

std::string ScreenshotFolder() {
  const char* folder = std::getenv("SUNDREL_SCREENSHOTS");
  if (folder == nullptr || *folder == '\0') return "";
  std::string path = folder;
  if (path[0] == '/') path = "Z:" + path;
  return path + "\\";
}

}  // namespace sundrel::testing
