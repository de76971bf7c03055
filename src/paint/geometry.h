// Points and rectangles in pixels. Right and Bottom are exclusive unless a function says that it
// takes an inclusive rectangle.
#pragma once

#include <algorithm>
#include <cstdint>

namespace sundrel {

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool operator==(const TRect&) const = default;
};

// The part of the rectangle that lies inside (0, 0, width, height); empty rectangles stay empty.
inline TRect ClipToSize(TRect r, int32_t width, int32_t height) {
  r.Left = std::max(r.Left, 0);
  r.Top = std::max(r.Top, 0);
  r.Right = std::min(r.Right, width);
  r.Bottom = std::min(r.Bottom, height);
  return r;
}

}  // namespace sundrel
