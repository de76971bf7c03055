// Real files in a fresh temporary folder, and a file system that fails on purpose.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "base/os_file.h"

namespace sundrel::test {

using Bytes = std::vector<uint8_t>;

// A folder of its own for each test, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // The folder followed by a path delimiter and the name.
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

Bytes RandomBytes(size_t size, uint32_t seed);
void WriteFileBytes(const std::string& path, const Bytes& bytes);
Bytes ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
// Every file in the folder (not below it), by name, with its bytes.
std::map<std::string, Bytes> FolderContents(const std::string& path);

// The system's text for "no such folder", as the stream layer words it.
std::string PathNotFoundText();

// Passes everything to the system, but files it creates accept only `writeBudget` bytes in
// all (a full disk), and files it opens for reading end early after `readBudget` bytes (a file
// cut short while it is read). A budget below zero means no limit. The file named
// `refusedCreate` cannot be created (a name the system will not take), closing the file named
// `failingClose` reports a failure (a late write error of a network share; the file is closed
// all the same), and the file named `refusedRename` cannot be renamed (held by another program).
class FaultyFileSystem final : public FileSystem {
 public:
  int64_t writeBudget = -1;
  int64_t readBudget = -1;
  std::string refusedCreate;
  std::string failingClose;
  std::string refusedRename;

  OpenResult Open(const std::string& path, FileMode mode, FileShare share) override;
  std::string ExpandFileName(const std::string& path) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  bool FileExists(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool FolderExists(const std::string& path) override;
  bool IsReadOnly(const std::string& path) override;
  std::vector<FolderEntry> ListFolder(const std::string& path) override;
};

}  // namespace sundrel::test
