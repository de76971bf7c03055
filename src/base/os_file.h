// The one seam between the program and the operating system's files: the stream layer opens
// files through it, and the skin code and the windows ask it what exists and what a folder holds.
// Tests may install their own FileSystem (for example to simulate a full disk, or a folder tree
// held in memory) through ScopedFileSystem.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sundrel {

// Who else may open a file while we hold it.
enum class FileShare { Exclusive, DenyWrite, DenyNone };

enum class FileMode {
  Create,         // created anew (an existing file is truncated), read and write access
  OpenRead,       // must exist, read access
  OpenReadWrite,  // must exist, read and write access
};

enum class SeekOrigin { Begin, Current, End };

// An open file of the operating system, closed by its destructor.
class OsFile {
 public:
  virtual ~OsFile() = default;
  // Both answer the number of bytes moved; less than asked (or -1) means an error or the end.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Answers the new position, or -1 on failure.
  virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;
  // Cuts or extends the file to this size; false on failure.
  virtual bool SetSize(int64_t size) = 0;
  // Copies up to count bytes from this file's position to the target's without passing them
  // through our memory, where the system can; answers how many were copied (0 when it cannot).
  virtual int64_t CopyTo(OsFile& /*target*/, int64_t /*count*/) { return 0; }
  // Writes what the system still holds for the file to the disk and closes it; false when either
  // fails, which is how a late write failure (a full network share, a pulled stick) shows. The
  // destructor closes a file not closed yet, ignoring the outcome.
  virtual bool Close() { return true; }
};

struct OpenResult {
  std::unique_ptr<OsFile> file;  // empty on failure
  std::string error;             // the system's description of the failure
};

struct FolderEntry {
  std::string name;
  bool isFolder = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual OpenResult Open(const std::string& path, FileMode mode, FileShare share) = 0;
  // The full path as the system resolves it (relative paths against the current folder).
  virtual std::string ExpandFileName(const std::string& path) = 0;
  // True when both names reach the same file (same full path, or the same file on disk).
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;
  // None of these three fails: a name that cannot be examined counts as absent, a folder that
  // cannot be read as empty. A file is not a folder, and a folder is not a file.
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // True for an existing file that the system marks read-only. File systems without the notion
  // (or a name that cannot be examined) answer false.
  virtual bool IsReadOnly(const std::string& /*path*/) { return false; }
  // The files and folders directly inside the folder, sorted by name.
  virtual std::vector<FolderEntry> ListFolder(const std::string& path) = 0;
  // Both answer false when the system refuses. A rename never replaces an existing file.
  virtual bool RemoveFile(const std::string& path) = 0;
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
};

// The operating system's files.
FileSystem& SystemFileSystem();
// What the stream layer uses: the system's, unless a test installed another.
FileSystem& CurrentFileSystem();

class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(FileSystem& replacement);
  ~ScopedFileSystem();
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  FileSystem* previous_;
};

// Sorts entries by name, as ListFolder answers them.
void SortByName(std::vector<FolderEntry>& entries);

// Drops trailing full stops and blanks (and line breaks) from a system error text.
std::string TrimErrorText(std::string text);

}  // namespace sundrel
