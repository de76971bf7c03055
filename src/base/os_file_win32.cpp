// Windows files with real share modes, so other processes are locked out as the user expects.
#include <windows.h>

#include "base/os_file.h"
#include "base/utf.h"

namespace sundrel {

namespace {

std::string SystemErrorText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string out = length != 0 ? FromWide(std::wstring_view(text, length)) : "";
  if (text != nullptr) LocalFree(text);
  return TrimErrorText(out);
}

class Win32File final : public OsFile {
 public:
  Win32File(HANDLE handle, bool writable) : handle_(handle), writable_(writable) {}
  ~Win32File() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }

  // A redirector may hold written data until the flush or the close, and report its failure
  // only there.
  bool Close() override {
    bool ok = !writable_ || FlushFileBuffers(handle_) != 0;
    if (!CloseHandle(handle_)) ok = false;
    handle_ = INVALID_HANDLE_VALUE;
    return ok;
  }

  int64_t Read(void* buffer, int64_t count) override {
    int64_t done = 0;
    while (done < count) {
      DWORD moved = 0;
      if (!ReadFile(handle_, static_cast<char*>(buffer) + done, Chunk(count - done), &moved, nullptr)) {
        return done > 0 ? done : -1;
      }
      if (moved == 0) break;
      done += moved;
    }
    return done;
  }

  int64_t Write(const void* buffer, int64_t count) override {
    int64_t done = 0;
    while (done < count) {
      DWORD moved = 0;
      if (!WriteFile(handle_, static_cast<const char*>(buffer) + done, Chunk(count - done), &moved, nullptr)) {
        return done > 0 ? done : -1;
      }
      if (moved == 0) break;
      done += moved;
    }
    return done;
  }

  int64_t Seek(int64_t offset, SeekOrigin origin) override {
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER position;
    const DWORD method = origin == SeekOrigin::Begin ? FILE_BEGIN : origin == SeekOrigin::Current ? FILE_CURRENT : FILE_END;
    if (!SetFilePointerEx(handle_, distance, &position, method)) return -1;
    return position.QuadPart;
  }

  bool SetSize(int64_t size) override {
    LARGE_INTEGER current;
    current.QuadPart = 0;
    LARGE_INTEGER zero = current;
    if (!SetFilePointerEx(handle_, zero, &current, FILE_CURRENT)) return false;
    LARGE_INTEGER target;
    target.QuadPart = size;
    const bool ok = SetFilePointerEx(handle_, target, nullptr, FILE_BEGIN) && SetEndOfFile(handle_);
    if (current.QuadPart < size) SetFilePointerEx(handle_, current, nullptr, FILE_BEGIN);
    return ok;
  }

 private:
  static DWORD Chunk(int64_t remaining) {
    return static_cast<DWORD>(remaining < (1 << 30) ? remaining : (1 << 30));
  }
  HANDLE handle_;
  bool writable_;
};

DWORD ShareFlags(FileShare share) {
  switch (share) {
    case FileShare::Exclusive: return 0;
    case FileShare::DenyWrite: return FILE_SHARE_READ;
    case FileShare::DenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
  }
  return 0;
}

// Opens a file only to ask who it is: no access, every sharing allowed.
bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool ok = GetFileInformationByHandle(handle, &info) != 0;
  CloseHandle(handle);
  return ok;
}

DWORD Attributes(const std::string& path) {
  if (path.empty()) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesW(ToWide(path).c_str());
}

class Win32FileSystem final : public FileSystem {
 public:
  OpenResult Open(const std::string& path, FileMode mode, FileShare share) override {
    DWORD access = GENERIC_READ;
    DWORD disposition = OPEN_EXISTING;
    if (mode != FileMode::OpenRead) access |= GENERIC_WRITE;
    if (mode == FileMode::Create) disposition = CREATE_ALWAYS;
    HANDLE handle = CreateFileW(ToWide(path).c_str(), access, ShareFlags(share), nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return {nullptr, SystemErrorText(GetLastError())};
    return {std::make_unique<Win32File>(handle, mode != FileMode::OpenRead), {}};
  }

  std::string ExpandFileName(const std::string& path) override { return FromWide(FullPath(ToWide(path))); }

  bool SameFile(const std::string& a, const std::string& b) override {
    const std::wstring fullA = FullPath(ToWide(a));
    const std::wstring fullB = FullPath(ToWide(b));
    if (CompareStringOrdinal(fullA.c_str(), -1, fullB.c_str(), -1, TRUE) == CSTR_EQUAL) return true;
    BY_HANDLE_FILE_INFORMATION infoA, infoB;
    return FileIdentity(fullA, infoA) && FileIdentity(fullB, infoB) &&
           infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber &&
           infoA.nFileIndexHigh == infoB.nFileIndexHigh && infoA.nFileIndexLow == infoB.nFileIndexLow;
  }

  bool FileExists(const std::string& path) override {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }

  bool FolderExists(const std::string& path) override {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  bool IsReadOnly(const std::string& path) override {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  }

  std::vector<FolderEntry> ListFolder(const std::string& path) override {
    std::vector<FolderEntry> entries;
    std::wstring pattern = ToWide(path);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((pattern + L'*').c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      entries.push_back({FromWide(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    SortByName(entries);
    return entries;
  }

  bool RemoveFile(const std::string& path) override { return DeleteFileW(ToWide(path).c_str()) != 0; }

  // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
  bool RenameFile(const std::string& from, const std::string& to) override {
    return MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), 0) != 0;
  }

 private:
  static std::wstring FullPath(const std::wstring& path) {
    if (path.empty()) return path;
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring out(size, L'\0');
    size = GetFullPathNameW(path.c_str(), size, out.data(), nullptr);
    out.resize(size);
    return out;
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static Win32FileSystem system;
  return system;
}

}  // namespace sundrel
