#include "skin/image/skin_image_source.h"

#include "base/errors.h"
#include "base/stream.h"
#include "skin/options/options_text.h"

namespace sundrel {

namespace {

// The largest uncompressed bitmap within the image size limits, with room for its headers.
constexpr int64_t kMaxImageFileSize = int64_t{4096} * 4096 * 4 + 65536;

}  // namespace

PackedImages::PackedImages(std::vector<Entry> entries) : entries_(std::move(entries)) {
  for (size_t i = 0; i < entries_.size(); ++i) byUpperName_.try_emplace(UpperCase(entries_[i].name), i);
}

std::optional<std::span<const uint8_t>> PackedImages::FindImage(std::string_view name) {
  const auto it = byUpperName_.find(std::string(name));
  if (it == byUpperName_.end()) return std::nullopt;
  return entries_[it->second].data;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
  try {
    TFileStream file(path, FileMode::OpenRead, FileShare::DenyWrite);
    const int64_t size = file.Size();
    if (size > kMaxImageFileSize) return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    file.ReadBuffer(bytes.data(), size);
    return bytes;
  } catch (const EStreamError&) {
    return std::nullopt;
  }
}

std::optional<std::span<const uint8_t>> FolderImages::FindImage(std::string_view name) {
  std::string key(name);
  auto it = files_.find(key);
  if (it == files_.end()) {
    const std::string path = key.find(':') != std::string::npos ? key : folder_ + key;
    it = files_.emplace(std::move(key), ReadWholeFile(path)).first;
  }
  if (!it->second) return std::nullopt;
  return std::span<const uint8_t>(*it->second);
}

}  // namespace sundrel
