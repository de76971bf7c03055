// The one seam between the stream layer and the operating system's files. Tests may install
// their own FileSystem (for example to simulate a full disk) through ScopedFileSystem.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

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
};

struct OpenResult {
  std::unique_ptr<OsFile> file;  // empty on failure
  std::string error;             // the system's description of the failure
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual OpenResult Open(const std::string& path, FileMode mode, FileShare share) = 0;
  // The full path as the system resolves it (relative paths against the current folder).
  virtual std::string ExpandFileName(const std::string& path) = 0;
  // True when both names reach the same file (same full path, or the same file on disk).
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;
  // True when a file (not a folder) of this name exists, whether or not we may open it.
  virtual bool FileExists(const std::string& path) = 0;
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

// Drops trailing full stops and blanks (and line breaks) from a system error text.
std::string TrimErrorText(std::string text);

}  // namespace sundrel
