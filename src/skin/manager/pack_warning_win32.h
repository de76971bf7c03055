// How the Windows program tells the user that loaded data was not a skin pack.
#pragma once

#include <string>

namespace sundrel {

// A "Warning" message box with the warning icon and an OK button; fits PackWarningSink.
void ShowPackWarning(const std::string& text);

}  // namespace sundrel
