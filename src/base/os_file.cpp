#include "base/os_file.h"

#include <algorithm>

namespace sundrel {

namespace {
FileSystem* current = nullptr;
}

FileSystem& CurrentFileSystem() { return current != nullptr ? *current : SystemFileSystem(); }

ScopedFileSystem::ScopedFileSystem(FileSystem& replacement) : previous_(current) {
  current = &replacement;
}

ScopedFileSystem::~ScopedFileSystem() { current = previous_; }

void SortByName(std::vector<FolderEntry>& entries) {
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
}

std::string TrimErrorText(std::string text) {
  while (!text.empty() && (text.back() == '.' || static_cast<unsigned char>(text.back()) <= 32)) {
    text.pop_back();
  }
  return text;
}

}  // namespace sundrel
