// Inflating a zlib stream that lies whole in memory in one call of libdeflate, straight into the
// bytes that keep the result: no input chunks, no copy buffer, no growing. Its check value is
// verified as zlib verifies it.
#pragma once

#include <cstdint>

#include "base/stream.h"

namespace sundrel {

// Deflate cannot expand one byte of input to more than 1032 bytes of output (a 258-byte match
// coded in two bits), so a stated size beyond that of what is left can never be met, and no
// memory is taken for it.
inline constexpr int64_t kMaxDeflateRatio = 1032;

// Inflates the zlib stream at the source's position into exactly size bytes of into and leaves
// the source on the first byte after the stream's check value. Answers false, leaving into empty
// and the source where it stood, whenever that cannot be done in one call: the source is not a
// memory stream, or the stream is damaged, cut short, or holds more or fewer bytes than size.
// The streaming inflater then tells which error it is.
bool InflateWholeStream(TStream& source, int64_t size, TMemoryStream& into);

}  // namespace sundrel
