// Where a source rectangle, placed with its corner at a point of the destination, meets both
// bitmaps. Used by every copy and blend between two bitmaps, so all of them clip alike.
#pragma once

#include <algorithm>
#include <cstdint>

#include "paint/geometry.h"

namespace sundrel {

struct TacCopyArea {
  int SrcX = 0;
  int SrcY = 0;
  int DstX = 0;
  int DstY = 0;
  int Width = 0;
  int Height = 0;

  bool IsEmpty() const { return Width <= 0 || Height <= 0; }
};

// The source rectangle (Right and Bottom exclusive) is first cut to the source bitmap, without
// moving what remains: the pixel at offset (i, j) from the rectangle's corner always lands at
// (x + i, y + j). Then the part outside the destination is cut away.
inline TacCopyArea ClipCopyArea(const TRect& source, int sourceWidth, int sourceHeight, int64_t x, int64_t y,
                                int destinationWidth, int destinationHeight) {
  int64_t srcLeft = std::max<int64_t>(source.Left, 0), srcTop = std::max<int64_t>(source.Top, 0);
  const int64_t srcRight = std::min<int64_t>(source.Right, sourceWidth);
  const int64_t srcBottom = std::min<int64_t>(source.Bottom, sourceHeight);
  int64_t dstLeft = x + (srcLeft - source.Left), dstTop = y + (srcTop - source.Top);
  if (dstLeft < 0) srcLeft -= dstLeft, dstLeft = 0;
  if (dstTop < 0) srcTop -= dstTop, dstTop = 0;
  const int64_t width = std::min(srcRight - srcLeft, destinationWidth - dstLeft);
  const int64_t height = std::min(srcBottom - srcTop, destinationHeight - dstTop);
  if (width <= 0 || height <= 0) return {};
  return {static_cast<int>(srcLeft), static_cast<int>(srcTop), static_cast<int>(dstLeft),
          static_cast<int>(dstTop),  static_cast<int>(width),  static_cast<int>(height)};
}

// An inclusive rectangle as an exclusive one.
inline TRect FromInclusive(const TRect& r) {
  auto after = [](int32_t edge) { return edge == INT32_MAX ? edge : edge + 1; };
  return {r.Left, r.Top, after(r.Right), after(r.Bottom)};
}

}  // namespace sundrel
