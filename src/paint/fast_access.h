// Allocation-free pixel access to bitmaps. An accessor is attached to a bitmap right before use
// and keeps nothing between operations, so each operation simply makes its own on the stack.
#pragma once

#include <cstdint>

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/pixels.h"

namespace sundrel {

// Reads and writes bitmaps of 3-byte (TacFast24) or 4-byte (TacFast32) pixels. Attach fails (and
// sets Width to 0) for bitmaps narrower or lower than 2 pixels and for bitmaps of the other
// format. The fourth byte of a 32-bit pixel is never read.
template <int bytesPerPixel>
class TacFastAccess {
 public:
  bool Attach(const TacPixels& bitmap);
  // The colour at (x, y), without a bounds check: the point must lie inside the attached bitmap.
  TColor Pixel(int x, int y) const {
    const uint8_t* p = Row0 + y * RowDelta + bytesPerPixel * x;
    return p[2] | (p[1] << 8) | (p[0] << 16);
  }
  uint8_t* Row(int y) const { return Row0 + y * RowDelta; }

  TacPixels Bitmap;
  int Width = 0;
  int Height = 0;
  ptrdiff_t RowDelta = 0;
  uint8_t* Row0 = nullptr;
};
using TacFast24 = TacFastAccess<3>;
using TacFast32 = TacFastAccess<4>;

// Weighted merge of a source rectangle into a destination rectangle of two 24-bit bitmaps.
class TacFastSum24 {
 public:
  // Fails when a side of either bitmap is below 2 pixels or either is not 24-bit. Width and
  // Height are the common (smaller) sizes.
  bool Attach(const TacPixels& destination, const TacPixels& source);
  // D := (D*Weight + S*(255 - Weight)) / 255, rounded, for every byte of DstRect, S being the byte at
  // the same offset from SrcRect's corner. Both rectangles must have the same size and lie
  // inside their bitmaps. Rows go from the last up to the first and bytes from the last to the
  // first, which decides the result when the rectangles overlap in one bitmap.
  void BlendBytes() const;

  TacPixels Src;
  TacPixels Dst;
  int Width = 0;
  int Height = 0;
  uint8_t* SrcRow0 = nullptr;
  uint8_t* DstRow0 = nullptr;
  ptrdiff_t SrcDelta = 0;
  ptrdiff_t DstDelta = 0;
  uint8_t Weight = 0;
  TRect DstRect;
  TRect SrcRect;
};

}  // namespace sundrel
