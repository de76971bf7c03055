#include "skin/whole_inflate.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace sundrel {

bool InflateWholeStream(TStream& source, int64_t size, TMemoryStream& into) {
  auto* memory = dynamic_cast<TMemoryStream*>(&source);
  if (memory == nullptr || size <= 0) return false;
  const int64_t start = memory->Position();
  const int64_t available = memory->Size() - start;
  // zlib counts in 32 bits; skin entries are far below that.
  constexpr int64_t kMaxCount = std::numeric_limits<uInt>::max();
  if (available <= 0 || size > available * kMaxDeflateRatio || size > kMaxCount) return false;

  into.SetSize(size);
  z_stream zlib{};
  if (inflateInit(&zlib) != Z_OK) return false;
  zlib.next_in = memory->Memory() + start;
  zlib.avail_in = static_cast<uInt>(std::min(available, kMaxCount));
  zlib.next_out = into.Memory();
  zlib.avail_out = static_cast<uInt>(size);
  const bool whole = inflate(&zlib, Z_FINISH) == Z_STREAM_END && zlib.avail_out == 0;
  const int64_t consumed = zlib.total_in;
  inflateEnd(&zlib);
  if (!whole) {
    into.Clear();
    return false;
  }
  memory->SetPosition(start + consumed);
  return true;
}

}  // namespace sundrel
