// What a hole (a clFuchsia pixel) of a skin image becomes in the picture being composed.
#pragma once

#include <cstdint>

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/shared_slots.h"

namespace sundrel {

class TacHoleFill {
 public:
  // The destination pixel stays as it is.
  static TacHoleFill Keep() { return {}; }
  // The destination pixel takes the colour; clFuchsia leaves a hole that later stages see.
  static TacHoleFill Colour(TColor colour);
  // The pixel at (x, y) of the destination takes the parent's pixel at (X + x, Y + y) where the
  // parent picture has one, and stays otherwise. A parent that is not ready, or not a 24-bit or
  // 32-bit picture of at least 2 x 2 pixels, gives Keep.
  static TacHoleFill FromParent(const TacParentImage& parent);

  bool KeepsDestination() const { return kind_ == Kind::Keep; }
  // For a 24-bit destination pixel at (x, y).
  void Apply(uint8_t* pixel, int x, int y) const;
  // Every pixel of the rectangle, cut to the 24-bit bitmap.
  void FillRect(const TacPixels& bitmap, const TRect& rect) const;

 private:
  enum class Kind { Keep, Colour, Parent };
  Kind kind_ = Kind::Keep;
  uint8_t colour_[3] = {};
  const uint8_t* parentRow0_ = nullptr;
  ptrdiff_t parentDelta_ = 0;
  int parentWidth_ = 0;
  int parentHeight_ = 0;
  int parentStep_ = 0;
  int parentX_ = 0;
  int parentY_ = 0;
};

}  // namespace sundrel
