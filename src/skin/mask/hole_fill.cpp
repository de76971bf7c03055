#include "skin/mask/hole_fill.h"

#include <algorithm>
#include <cstring>

#include "paint/fast_access.h"
#include "paint/solid_fill.h"

namespace sundrel {

TacHoleFill TacHoleFill::Colour(TColor colour) {
  TacHoleFill fill;
  fill.kind_ = Kind::Colour;
  fill.colour_[0] = static_cast<uint8_t>(BlueOf(colour));
  fill.colour_[1] = static_cast<uint8_t>(GreenOf(colour));
  fill.colour_[2] = static_cast<uint8_t>(RedOf(colour));
  return fill;
}

TacHoleFill TacHoleFill::FromParent(const TacParentImage& parent) {
  TacHoleFill fill;
  if (!parent.Ready) return fill;
  TacFast24 fast24;
  TacFast32 fast32;
  if (fast24.Attach(parent.Image)) {
    fill.parentRow0_ = fast24.Row0, fill.parentDelta_ = fast24.RowDelta, fill.parentStep_ = 3;
  } else if (fast32.Attach(parent.Image)) {
    fill.parentRow0_ = fast32.Row0, fill.parentDelta_ = fast32.RowDelta, fill.parentStep_ = 4;
  } else {
    return fill;
  }
  fill.kind_ = Kind::Parent;
  fill.parentWidth_ = parent.Image.Width;
  fill.parentHeight_ = parent.Image.Height;
  fill.parentX_ = parent.X;
  fill.parentY_ = parent.Y;
  return fill;
}

void TacHoleFill::Apply(uint8_t* pixel, int x, int y) const {
  switch (kind_) {
    case Kind::Keep:
      return;
    case Kind::Colour:
      std::memcpy(pixel, colour_, 3);
      return;
    case Kind::Parent: {
      // All four edges: a control placed partly outside its parent has no parent pixel there.
      const int64_t px = int64_t{parentX_} + x, py = int64_t{parentY_} + y;
      if (px < 0 || py < 0 || px >= parentWidth_ || py >= parentHeight_) return;
      std::memcpy(pixel, parentRow0_ + py * parentDelta_ + parentStep_ * px, 3);
      return;
    }
  }
}

void TacHoleFill::FillRect(const TacPixels& bitmap, const TRect& rect) const {
  if (!bitmap.Is24Bit() || KeepsDestination()) return;
  const TRect area = ClipToSize(rect, bitmap.Width, bitmap.Height);
  if (area.IsEmpty()) return;
  if (kind_ == Kind::Colour) {
    for (int y = area.Top; y < area.Bottom; ++y) FillRun(bitmap.Row(y) + 3 * area.Left, area.Width(), colour_);
    return;
  }
  // Whole parent backgrounds come this way: each row is one run of the parent's row.
  const int64_t left = std::max<int64_t>(int64_t{area.Left} + parentX_, 0);
  const int64_t right = std::min<int64_t>(int64_t{area.Right} + parentX_, parentWidth_);
  const int64_t top = std::max<int64_t>(int64_t{area.Top} + parentY_, 0);
  const int64_t bottom = std::min<int64_t>(int64_t{area.Bottom} + parentY_, parentHeight_);
  for (int64_t py = top; py < bottom; ++py) {
    const uint8_t* s = parentRow0_ + py * parentDelta_ + parentStep_ * left;
    uint8_t* d = bitmap.Row(static_cast<int>(py - parentY_)) + 3 * (left - parentX_);
    if (parentStep_ == 3) {
      if (right > left) std::memmove(d, s, 3 * static_cast<size_t>(right - left));
    } else {
      for (int64_t x = left; x < right; ++x, s += 4, d += 3) std::memcpy(d, s, 3);
    }
  }
}

}  // namespace sundrel
