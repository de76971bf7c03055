// Skin packs are untrusted input: whatever the bytes, the reader either unpacks them or raises
// one of the program's errors and holds nothing. Anything else (a crash, an overread, another
// kind of exception, memory beyond the limits) is a finding.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin/pack/skin_pack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  sundrel::TMemoryStream source;
  source.Write(data, static_cast<int64_t>(size));
  int warnings = 0;
  sundrel::TacSkinConvertor reader([&warnings](const std::string&) { ++warnings; });
  reader.AttachSource(source);
  try {
    reader.Unpack();
  } catch (const sundrel::Exception&) {
    if (reader.Options() != nullptr || !reader.Images().empty()) std::abort();
    return 0;
  }
  int64_t unpacked = reader.Options() != nullptr ? reader.Options()->Size() : 0;
  for (const auto& image : reader.Images()) {
    unpacked += image.Data->Size();
    reader.FindImage(image.Name);
  }
  if (unpacked > sundrel::kMaxPackUnpackedSize) std::abort();
  if (warnings > 0 && (reader.Options() != nullptr || !reader.Images().empty())) std::abort();
  return 0;
}
