#include "skin/pack/skin_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include "base/utf.h"
#endif

namespace sundrel {

namespace {

namespace fs = std::filesystem;

fs::path ToPath(const std::string& path) {
#ifdef _WIN32
  return fs::path(ToWide(path));
#else
  return fs::path(path);
#endif
}

std::string FromPath(const fs::path& path) {
#ifdef _WIN32
  return FromWide(path.wstring());
#else
  return path.string();
#endif
}

// No call here throws: a name that cannot be examined counts as absent.
class SystemFiles final : public SkinFiles {
 public:
  bool FileExists(const std::string& path) override {
    std::error_code error;
    const fs::file_status status = fs::status(ToPath(path), error);
    return !error && fs::exists(status) && !fs::is_directory(status);
  }

  bool FolderExists(const std::string& path) override {
    std::error_code error;
    return fs::is_directory(ToPath(path), error) && !error;
  }

  std::vector<SkinFolderEntry> ListFolder(const std::string& path) override {
    std::vector<SkinFolderEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(ToPath(path), error), end; !error && it != end; it.increment(error)) {
      std::error_code kindError;
      entries.push_back({FromPath(it->path().filename()), it->is_directory(kindError)});
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return entries;
  }
};

}  // namespace

SkinFiles& SystemSkinFiles() {
  static SystemFiles files;
  return files;
}

}  // namespace sundrel
