#include "skin/pack/whole_inflate.h"

#include <libdeflate.h>

#include <memory>

namespace sundrel {

namespace {

struct DecompressorDeleter {
  void operator()(libdeflate_decompressor* decompressor) const { libdeflate_free_decompressor(decompressor); }
};

}  // namespace

bool InflateWholeStream(TStream& source, int64_t size, TMemoryStream& into) {
  auto* memory = dynamic_cast<TMemoryStream*>(&source);
  if (memory == nullptr || size <= 0) return false;
  const int64_t start = memory->Position();
  const int64_t available = memory->Size() - start;
  if (available <= 0 || size > available * kMaxDeflateRatio) return false;
  const std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> decompressor(libdeflate_alloc_decompressor());
  if (!decompressor) return false;

  into.SetSize(size);
  size_t consumed = 0;
  // Without a place for the produced count, anything but exactly size bytes is a failure. The
  // check value is verified as zlib does.
  const libdeflate_result result =
      libdeflate_zlib_decompress_ex(decompressor.get(), memory->Memory() + start, static_cast<size_t>(available),
                                    into.Memory(), static_cast<size_t>(size), &consumed, nullptr);
  if (result != LIBDEFLATE_SUCCESS) {
    into.Clear();
    return false;
  }
  memory->SetPosition(start + static_cast<int64_t>(consumed));
  return true;
}

}  // namespace sundrel
