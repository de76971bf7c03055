// Skin packs written byte by byte by the tests, so that each test can bend exactly the field
// it is about.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sundrel::test {

using PackBytes = std::vector<uint8_t>;

inline PackBytes AsBytes(const std::string& text) {
  return PackBytes(text.begin(), text.end());
}

inline PackBytes Deflate(const PackBytes& data, int level = Z_BEST_COMPRESSION) {
  uLongf length = compressBound(static_cast<uLong>(data.size()));
  PackBytes out(length);
  compress2(out.data(), &length, data.data(), static_cast<uLong>(data.size()), level);
  out.resize(length);
  return out;
}

struct PackEntry {
  std::string name;
  PackBytes data;
  std::optional<int32_t> declaredSize;  // the data's size unless given
  std::optional<PackBytes> stream;      // the deflated data unless given
};

class PackBuilder {
 public:
  PackBuilder& Magic(std::string magic) {
    magic_ = std::move(magic);
    return *this;
  }
  PackBuilder& Count(int32_t count) {
    count_ = count;
    return *this;
  }
  PackBuilder& Add(PackEntry entry) {
    entries_.push_back(std::move(entry));
    return *this;
  }
  PackBuilder& Add(const std::string& name, const PackBytes& data) { return Add(PackEntry{name, data, {}, {}}); }

  PackBytes Build() const {
    PackBytes out(magic_.begin(), magic_.end());
    Int32(out, count_.value_or(static_cast<int32_t>(entries_.size())));
    for (const PackEntry& entry : entries_) {
      Int32(out, static_cast<int32_t>(entry.name.size()));
      out.insert(out.end(), entry.name.begin(), entry.name.end());
      Int32(out, entry.declaredSize.value_or(static_cast<int32_t>(entry.data.size())));
      const PackBytes stream = entry.stream.value_or(Deflate(entry.data));
      out.insert(out.end(), stream.begin(), stream.end());
    }
    return out;
  }

  static void Int32(PackBytes& out, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(bits >> shift));
  }

 private:
  std::string magic_ = "ASzf";
  std::optional<int32_t> count_;
  std::vector<PackEntry> entries_;
};

}  // namespace sundrel::test
