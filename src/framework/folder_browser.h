// The system's browse-for-folder dialog.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace sundrel {

// Shows the dialog owned by `owner`, limited to file-system folders, with `caption` as its
// instruction line, rooted at the item that the desktop finds for `root` (the desktop itself
// when it finds none) and with `start` preselected when it is not empty. Answers the chosen
// folder's path, or nothing when the user cancelled or chose no file-system folder.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& caption, const std::string& root,
                                           const std::string& start);

}  // namespace sundrel
