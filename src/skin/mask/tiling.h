// Laying copies of a piece over an area: whole copies from the area's top-left corner, the last
// column and row cut to fit.
#pragma once

#include <algorithm>
#include <cstdint>

#include "paint/geometry.h"

namespace sundrel {

// The first copy that reaches the visible part [visibleStart, ...) of a strip starting at start.
inline int64_t FirstVisibleCopy(int64_t start, int64_t visibleStart, int64_t length) {
  return visibleStart <= start ? start : start + (visibleStart - start) / length * length;
}

// Calls copy(target, source) once per copy of the piece (a source rectangle) over the target
// area that reaches into the visible size (the bitmap's): copies wholly outside it are skipped,
// so an area far larger than the bitmap costs nothing. A piece or an area of no size gives no
// copy, so no loop can run without moving on.
template <class Copy>
void TileArea(const TRect& target, const TRect& piece, int visibleWidth, int visibleHeight, Copy&& copy) {
  const int64_t pieceWidth = piece.Width(), pieceHeight = piece.Height();
  if (pieceWidth <= 0 || pieceHeight <= 0 || target.IsEmpty()) return;
  const int64_t right = std::min<int64_t>(target.Right, visibleWidth);
  const int64_t bottom = std::min<int64_t>(target.Bottom, visibleHeight);
  for (int64_t y = FirstVisibleCopy(target.Top, 0, pieceHeight); y < bottom; y += pieceHeight) {
    const auto height = static_cast<int32_t>(std::min<int64_t>(pieceHeight, target.Bottom - y));
    for (int64_t x = FirstVisibleCopy(target.Left, 0, pieceWidth); x < right; x += pieceWidth) {
      const auto width = static_cast<int32_t>(std::min<int64_t>(pieceWidth, target.Right - x));
      const auto left = static_cast<int32_t>(x), top = static_cast<int32_t>(y);
      copy(TRect{left, top, left + width, top + height},
           TRect{piece.Left, piece.Top, piece.Left + width, piece.Top + height});
    }
  }
}

}  // namespace sundrel
