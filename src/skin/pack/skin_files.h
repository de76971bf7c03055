// What the skin code asks of the file system: whether files and folders exist, and what a
// folder holds. Skin paths are Windows paths ("\" between names); tests put a folder tree of
// their own behind this seam.
#pragma once

#include <string>
#include <vector>

namespace sundrel {

struct SkinFolderEntry {
  std::string name;
  bool isFolder = false;
};

class SkinFiles {
 public:
  virtual ~SkinFiles() = default;
  // A file, not a folder.
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // The files and folders directly inside the folder, sorted by name; empty when the folder
  // cannot be read.
  virtual std::vector<SkinFolderEntry> ListFolder(const std::string& path) = 0;
};

// The operating system's files.
SkinFiles& SystemSkinFiles();

}  // namespace sundrel
