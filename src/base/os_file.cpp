#include "base/os_file.h"

namespace sundrel {

namespace {
FileSystem* current = nullptr;
}

FileSystem& CurrentFileSystem() { return current != nullptr ? *current : SystemFileSystem(); }

ScopedFileSystem::ScopedFileSystem(FileSystem& replacement) : previous_(current) {
  current = &replacement;
}

ScopedFileSystem::~ScopedFileSystem() { current = previous_; }

std::string TrimErrorText(std::string text) {
  while (!text.empty() && (text.back() == '.' || static_cast<unsigned char>(text.back()) <= 32)) {
    text.pop_back();
  }
  return text;
}

}  // namespace sundrel
