// Where tests save pictures for people to look at.
#pragma once

#include <string>

namespace sundrel::testing {

// The folder that SUNDREL_SCREENSHOTS names (as a Windows path, with a trailing backslash), or ""
// when none is named: a test run by hand must not leave pictures wherever it was started.
std::string ScreenshotFolder();

}  // namespace sundrel::testing
