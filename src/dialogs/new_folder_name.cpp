#include "dialogs/new_folder_name.h"

#include "base/path_text.h"

namespace sundrel {

std::optional<std::string> NewFolderName(const std::string& parent,
                                         const std::function<bool(const std::string&)>& exists, int probes) {
  const std::string stem = IncludeTrailingPathDelimiter(parent) + "New folder";
  for (int n = 1; n <= probes; ++n) {
    std::string name = stem + std::to_string(n);
    if (!exists(name)) return name;
  }
  return std::nullopt;
}

}  // namespace sundrel
