// The names by which a folder tree's top can be given ("rfDesktop", "rfMyComputer", ...) and
// the shell's special folders that they stand for.
#pragma once

#include <optional>
#include <string>

namespace sundrel {

// The special-folder identifier (CSIDL_*) of a root name, matched without regard to letter
// case; nothing for any other text (a path, say).
std::optional<int> SpecialFolderOfRoot(const std::string& root);

}  // namespace sundrel
