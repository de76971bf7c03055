// POSIX files for the native build. POSIX has no share modes, so FileShare is not enforced
// here; the Windows build gets the real ones.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/os_file.h"

namespace sundrel {

namespace {

class PosixFile final : public OsFile {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override {
    if (fd_ >= 0) ::close(fd_);
  }

  bool Close() override {
    // Only a file we wrote has anything to flush; a device or pipe cannot be synced (EINVAL) and
    // that is no failure.
    bool ok = !written_ || ::fsync(fd_) == 0 || errno == EINVAL || errno == EROFS;
    // Linux releases the descriptor even when close reports EINTR, so it is never retried.
    if (::close(fd_) != 0 && errno != EINTR) ok = false;
    fd_ = -1;
    return ok;
  }

  int64_t Read(void* buffer, int64_t count) override {
    int64_t done = 0;
    while (done < count) {
      const ssize_t n = ::read(fd_, static_cast<char*>(buffer) + done, Chunk(count - done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return done > 0 ? done : n;
      done += n;
    }
    return done;
  }

  int64_t Write(const void* buffer, int64_t count) override {
    written_ = true;
    int64_t done = 0;
    while (done < count) {
      const ssize_t n = ::write(fd_, static_cast<const char*>(buffer) + done, Chunk(count - done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return done > 0 ? done : n;
      done += n;
    }
    return done;
  }

  int64_t Seek(int64_t offset, SeekOrigin origin) override {
    const int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
    return ::lseek(fd_, offset, whence);
  }

  bool SetSize(int64_t size) override {
    written_ = true;
    return ::ftruncate(fd_, size) == 0;
  }

  // The kernel copies between files in the page cache (or shares extents), as cat and cp do.
  int64_t CopyTo(OsFile& target, int64_t count) override {
    auto* file = dynamic_cast<PosixFile*>(&target);
    if (file == nullptr) return 0;
    file->written_ = true;
    int64_t done = 0;
    while (done < count) {
      const ssize_t n = ::copy_file_range(fd_, nullptr, file->fd_, nullptr, Chunk(count - done), 0);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += n;
    }
    return done;
  }

 private:
  static size_t Chunk(int64_t remaining) {
    return static_cast<size_t>(remaining < (1 << 30) ? remaining : (1 << 30));
  }
  int fd_;
  bool written_ = false;
};

std::string LexicallyNormal(const std::string& absolute) {
  std::vector<std::string> parts;
  size_t i = 0;
  while (i <= absolute.size()) {
    const size_t slash = absolute.find('/', i);
    const std::string part = absolute.substr(i, slash == std::string::npos ? std::string::npos : slash - i);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    if (slash == std::string::npos) break;
    i = slash + 1;
  }
  std::string out;
  for (const auto& part : parts) out += "/" + part;
  if (!absolute.empty() && absolute.back() == '/' && !out.empty()) out += '/';
  return out.empty() ? "/" : out;
}

class PosixFileSystem final : public FileSystem {
 public:
  OpenResult Open(const std::string& path, FileMode mode, FileShare) override {
    int flags = O_CLOEXEC;
    switch (mode) {
      case FileMode::Create: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
      case FileMode::OpenRead: flags |= O_RDONLY; break;
      case FileMode::OpenReadWrite: flags |= O_RDWR; break;
    }
    int fd;
    do {
      fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return {nullptr, TrimErrorText(std::strerror(errno))};
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
      ::close(fd);
      return {nullptr, TrimErrorText(std::strerror(EISDIR))};
    }
    return {std::make_unique<PosixFile>(fd), {}};
  }

  std::string ExpandFileName(const std::string& path) override {
    if (!path.empty() && path[0] == '/') return LexicallyNormal(path);
    std::vector<char> cwd(PATH_MAX);
    if (::getcwd(cwd.data(), cwd.size()) == nullptr) return path;
    return LexicallyNormal(std::string(cwd.data()) + "/" + path);
  }

  bool SameFile(const std::string& a, const std::string& b) override {
    struct stat infoA {}, infoB {};
    if (::stat(a.c_str(), &infoA) == 0 && ::stat(b.c_str(), &infoB) == 0) {
      return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
    }
    return ExpandFileName(a) == ExpandFileName(b);
  }

  bool FileExists(const std::string& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
  }

  bool FolderExists(const std::string& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }

  // The owner's own permission is what the user sees as "read-only"; whether the process could
  // write anyway (as root can) does not matter.
  bool IsReadOnly(const std::string& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) && (info.st_mode & S_IWUSR) == 0;
  }

  std::vector<FolderEntry> ListFolder(const std::string& path) override {
    std::vector<FolderEntry> entries;
    DIR* folder = ::opendir(path.c_str());
    if (folder == nullptr) return entries;
    while (const dirent* entry = ::readdir(folder)) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      entries.push_back({name, FolderExists(path + "/" + name)});
    }
    ::closedir(folder);
    SortByName(entries);
    return entries;
  }

  bool RemoveFile(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

  bool RenameFile(const std::string& from, const std::string& to) override {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    // File systems that cannot rename without replacing still refuse to link over a name.
    if (errno != EINVAL && errno != ENOSYS) return false;
    return ::link(from.c_str(), to.c_str()) == 0 && ::unlink(from.c_str()) == 0;
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static PosixFileSystem system;
  return system;
}

}  // namespace sundrel
