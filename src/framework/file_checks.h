// Questions about the file system that windows ask while the user works, put to the program's
// one file-system seam (base/os_file.h), so that tests can answer them.
#pragma once

#include <string>

namespace sundrel {

// True for an existing file; a folder of that name does not count.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

}  // namespace sundrel
