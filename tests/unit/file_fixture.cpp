#include "file_fixture.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "base/path_text.h"

#ifdef _WIN32
#include <windows.h>

#include "base/utf.h"
#endif

namespace sundrel::test {

namespace fs = std::filesystem;

namespace {

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

fs::path FromUtf8(const std::string& text) { return fs::path(std::u8string(text.begin(), text.end())); }

// Wraps a system file and stops moving bytes once the shared budget is spent.
class BudgetFile final : public OsFile {
 public:
  BudgetFile(std::unique_ptr<OsFile> inner, int64_t& readBudget, int64_t& writeBudget, bool failClose)
      : inner_(std::move(inner)), readBudget_(readBudget), writeBudget_(writeBudget), failClose_(failClose) {}

  int64_t Read(void* buffer, int64_t count) override {
    return Spend(readBudget_, count, [&](int64_t n) { return inner_->Read(buffer, n); });
  }
  int64_t Write(const void* buffer, int64_t count) override {
    return Spend(writeBudget_, count, [&](int64_t n) { return inner_->Write(buffer, n); });
  }
  int64_t Seek(int64_t offset, SeekOrigin origin) override { return inner_->Seek(offset, origin); }
  bool SetSize(int64_t size) override { return inner_->SetSize(size); }
  bool Close() override { return inner_->Close() && !failClose_; }

 private:
  template <typename Move>
  static int64_t Spend(int64_t& budget, int64_t count, Move move) {
    const int64_t allowed = budget < 0 ? count : std::min(count, budget);
    const int64_t moved = allowed > 0 ? move(allowed) : 0;
    if (budget >= 0 && moved > 0) budget -= moved;
    return moved;
  }

  std::unique_ptr<OsFile> inner_;
  int64_t& readBudget_;
  int64_t& writeBudget_;
  bool failClose_;
};

}  // namespace

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device entropy;
  const fs::path dir = fs::temp_directory_path() /
                       ("sundrel-test-" + std::to_string(entropy()) + "-" + std::to_string(counter++));
  fs::create_directories(dir);
  path_ = Utf8(dir);
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(FromUtf8(path_), ignored);
}

std::string TempDir::File(const std::string& name) const { return IncludeTrailingPathDelimiter(path_) + name; }

Bytes RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 generator(seed);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(generator());
  return bytes;
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(FromUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFileBytes(const std::string& path) {
  std::ifstream in(FromUtf8(path), std::ios::binary | std::ios::ate);
  if (!in) return {};
  Bytes bytes(static_cast<size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

bool FileExists(const std::string& path) { return fs::exists(FromUtf8(path)); }

std::map<std::string, Bytes> FolderContents(const std::string& path) {
  std::map<std::string, Bytes> contents;
  for (const auto& entry : fs::directory_iterator(FromUtf8(path))) {
    if (entry.is_regular_file()) contents[Utf8(entry.path().filename())] = ReadFileBytes(Utf8(entry.path()));
  }
  return contents;
}

std::string PathNotFoundText() {
#ifdef _WIN32
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      ERROR_PATH_NOT_FOUND, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string out = FromWide(std::wstring_view(text, length));
  LocalFree(text);
  return TrimErrorText(out);
#else
  return std::strerror(ENOENT);
#endif
}

OpenResult FaultyFileSystem::Open(const std::string& path, FileMode mode, FileShare share) {
  if (mode == FileMode::Create && path == refusedCreate) return {nullptr, "Refused"};
  OpenResult result = SystemFileSystem().Open(path, mode, share);
  if (result.file) {
    result.file = std::make_unique<BudgetFile>(std::move(result.file), readBudget, writeBudget, path == failingClose);
  }
  return result;
}

std::string FaultyFileSystem::ExpandFileName(const std::string& path) {
  return SystemFileSystem().ExpandFileName(path);
}

bool FaultyFileSystem::SameFile(const std::string& a, const std::string& b) {
  return SystemFileSystem().SameFile(a, b);
}

bool FaultyFileSystem::FileExists(const std::string& path) {
  return SystemFileSystem().FileExists(path);
}

bool FaultyFileSystem::RemoveFile(const std::string& path) {
  return SystemFileSystem().RemoveFile(path);
}

bool FaultyFileSystem::RenameFile(const std::string& from, const std::string& to) {
  return from != refusedRename && SystemFileSystem().RenameFile(from, to);
}

bool FaultyFileSystem::FolderExists(const std::string& path) {
  return SystemFileSystem().FolderExists(path);
}

bool FaultyFileSystem::IsReadOnly(const std::string& path) {
  return SystemFileSystem().IsReadOnly(path);
}

std::vector<FolderEntry> FaultyFileSystem::ListFolder(const std::string& path) {
  return SystemFileSystem().ListFolder(path);
}

}  // namespace sundrel::test
