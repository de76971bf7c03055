// Where the image files that a skin's options name come from: the image entries unpacked from a
// packed skin, or the loose files of a skin folder.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sundrel {

class SkinImageSource {
 public:
  virtual ~SkinImageSource() = default;
  // The bytes of the file that an options value names, or nothing when there is no such file.
  // The bytes stay valid as long as the source.
  virtual std::optional<std::span<const uint8_t>> FindImage(std::string_view name) = 0;
};

// The image entries of a pack, looked up as the pack reader's users do: an entry matches when
// its name, upper-cased, equals the wanted name exactly, and the first match wins. So
// "Master.bmp" answers "MASTER.BMP", never "Master.bmp".
class PackedImages final : public SkinImageSource {
 public:
  struct Entry {
    std::string name;               // as stored in the pack
    std::span<const uint8_t> data;  // owned by the pack reader
  };
  explicit PackedImages(std::vector<Entry> entries);
  std::optional<std::span<const uint8_t>> FindImage(std::string_view name) override;

 private:
  std::vector<Entry> entries_;
  std::unordered_map<std::string, size_t> byUpperName_;
};

// Loose files: a name is taken relative to the folder unless it contains ":" (a full path).
// Files that do not open are missing; each file is read once.
class FolderImages final : public SkinImageSource {
 public:
  // The folder ends with a path delimiter (or is empty: names relative to the current folder).
  explicit FolderImages(std::string folder) : folder_(std::move(folder)) {}
  std::optional<std::span<const uint8_t>> FindImage(std::string_view name) override;

 private:
  std::string folder_;
  std::unordered_map<std::string, std::optional<std::vector<uint8_t>>> files_;
};

// A file read whole, or nothing when it does not open, cannot be read or is larger than any
// skin image may be.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path);

}  // namespace sundrel
