#include "skin_pack_writer.h"

#include <zlib.h>

#include <stdexcept>

#include "skin/pack/skin_pack.h"

namespace sundrel {

namespace {

void PutInt32(std::vector<uint8_t>& out, int64_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(bits >> shift));
}

void CheckEntries(const std::vector<PackSource>& entries) {
  int64_t total = 0;
  int options = 0;
  for (const PackSource& entry : entries) {
    if (entry.name.empty() || entry.name.size() > static_cast<size_t>(kMaxPackNameLength)) {
      throw std::invalid_argument("entry name \"" + entry.name + "\" is empty or too long");
    }
    total += static_cast<int64_t>(entry.bytes.size());
    options += IsOptionsEntryName(entry.name) ? 1 : 0;
  }
  if (total > kMaxPackUnpackedSize) throw std::invalid_argument("the entries unpack beyond the readers' limit");
  if (options != 1) throw std::invalid_argument("a skin pack needs exactly one Options.dat");
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& bytes) {
  uLongf length = compressBound(static_cast<uLong>(bytes.size()));
  std::vector<uint8_t> stream(length);
  if (compress2(stream.data(), &length, bytes.data(), static_cast<uLong>(bytes.size()), Z_BEST_COMPRESSION) != Z_OK) {
    throw std::runtime_error("zlib could not compress an entry");
  }
  stream.resize(length);
  return stream;
}

}  // namespace

std::vector<uint8_t> WriteSkinPack(const std::vector<PackSource>& entries) {
  CheckEntries(entries);
  std::vector<uint8_t> pack(std::begin(kPackMagic), std::end(kPackMagic));
  PutInt32(pack, static_cast<int64_t>(entries.size()));
  for (const PackSource& entry : entries) {
    PutInt32(pack, static_cast<int64_t>(entry.name.size()));
    pack.insert(pack.end(), entry.name.begin(), entry.name.end());
    PutInt32(pack, static_cast<int64_t>(entry.bytes.size()));
    const std::vector<uint8_t> stream = Deflate(entry.bytes);
    pack.insert(pack.end(), stream.begin(), stream.end());
  }
  return pack;
}

}  // namespace sundrel
