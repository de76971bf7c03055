// Questions about the file system that windows ask while the user works.
#pragma once

#include <string>

namespace sundrel {

// True for an existing file; a folder of that name does not count.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

}  // namespace sundrel
