// Packs an options text and its images into one skin pack, and reads the pack back to prove it.
//
//   sundrel-skinpack <output.asz> <entry name>=<file> ...   entries in the order given
#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "base/stream.h"
#include "skin/pack/skin_pack.h"
#include "skin_pack_writer.h"

namespace sundrel {
namespace {

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  TFileStream file(path, FileMode::OpenRead, FileShare::DenyWrite);
  std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
  file.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  return bytes;
}

// The reader must give back every entry, in order, byte for byte, and end on the last byte.
void Verify(const std::vector<uint8_t>& pack, const std::vector<PackSource>& entries) {
  TMemoryStream source;
  source.WriteBuffer(pack.data(), static_cast<int64_t>(pack.size()));
  TacSkinConvertor reader([](const std::string& text) { throw std::runtime_error(text); });
  reader.AttachSource(source);
  reader.Unpack();
  size_t image = 0;
  for (const PackSource& entry : entries) {
    const auto same = [&entry](TMemoryStream& data) {
      return data.Size() == static_cast<int64_t>(entry.bytes.size()) &&
             std::equal(entry.bytes.begin(), entry.bytes.end(), data.Memory());
    };
    bool ok;
    if (IsOptionsEntryName(entry.name)) {
      ok = reader.Options() != nullptr && same(*reader.Options());
    } else {
      ok = image < reader.Images().size() && reader.Images()[image].Name == entry.name &&
           same(*reader.Images()[image].Data);
      ++image;
    }
    if (!ok) throw std::runtime_error("the pack does not read back as written: " + entry.name);
  }
  if (source.Position() != source.Size()) throw std::runtime_error("the pack does not end after its last entry");
}

void Pack(int argc, char** argv) {
  std::vector<PackSource> entries;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    const size_t equals = argument.find('=');
    if (equals == std::string::npos) throw std::invalid_argument("expected <entry name>=<file>: " + argument);
    entries.push_back({argument.substr(0, equals), ReadWholeFile(argument.substr(equals + 1))});
  }
  const std::vector<uint8_t> pack = WriteSkinPack(entries);
  Verify(pack, entries);
  TFileStream out(argv[1], FileMode::Create, FileShare::Exclusive);
  out.WriteBuffer(pack.data(), static_cast<int64_t>(pack.size()));
}

}  // namespace
}  // namespace sundrel

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <output.asz> <entry name>=<file> ...\n", argv[0]);
    return 2;
  }
  try {
    sundrel::Pack(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
    return 1;
  }
  return 0;
}
