// Small skin images for the mask painting tests: pictures whose every pixel tells where it came
// from, and records that cut them into cells.
#pragma once

#include <memory>

#include "paint/color.h"
#include "paint/pixels.h"
#include "paint/shared_slots.h"
#include "pixel_fixture.h"
#include "skin/model/skin_records.h"

namespace sundrel::testing {

constexpr TColor kBackground = RGBColor(1, 2, 3);

// The colour of picture pixel (x, y): never clFuchsia, never the background.
constexpr TColor Coded(int x, int y) {
  return RGBColor(10 + x, 20 + y, 7);
}

// A width x height picture of Coded pixels, with a black (fully showing) mask below it when
// withMask is set.
inline TacMemBitmap CodedPicture(int width, int height, bool withMask = false) {
  TacMemBitmap picture = NewBitmap24(width, withMask ? 2 * height : height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) SetPixelAt(picture.Pixels(), x, y, Coded(x, y));
  }
  return picture;
}

// A record whose rectangle R is the whole master picture, every strip `strip` wide.
inline TsMaskData MasterRecord(const TacMemBitmap& master, int imageCount, int maskType, int strip,
                               int stretchMode = 0) {
  TsMaskData mask;
  mask.R = {0, 0, master.Width(), master.Height()};
  mask.ImageCount = imageCount;
  mask.MaskType = maskType;
  mask.StretchMode = stretchMode;
  mask.WL = mask.WT = mask.WR = mask.WB = strip;
  return mask;
}

// The same with the picture as the record's own.
inline TsMaskData OwnRecord(TacMemBitmap picture, int imageCount, int maskType, int strip, int stretchMode = 0) {
  TsMaskData mask = MasterRecord(picture, imageCount, maskType, strip, stretchMode);
  mask.Image = std::make_unique<TacMemBitmap>(std::move(picture));
  return mask;
}

// Sets KeyFillColor for one test; the value before comes back afterwards.
class KeyFillScope : public SlotScope<TColor> {
 public:
  explicit KeyFillScope(TColor colour) : SlotScope(Shared().KeyFillColor, colour) {}
};

}  // namespace sundrel::testing
