// Window regions cut by the corner holes of the program's own "BUTTON" border image.
#include "controls/window_region.h"

#include <gtest/gtest.h>

#include <utility>

#include "paint/dib_pixels_win32.h"
#include "tidewater_controls.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class WindowRegion : public TidewaterControls {
 protected:
  static constexpr int kCell = 27, kStrip = 9;
  // Whether the button's pixel is a hole of the normal state's cell: in a corner (the 9-pixel
  // strips at both ends), where the cell's corner pixel is the key colour.
  bool IsHole(int x, int y) const {
    const bool left = x < kStrip, top = y < kStrip;
    if (!(left || x >= kButtonWidth - kStrip) || !(top || y >= kButtonHeight - kStrip)) return false;
    const int cellX = left ? x : kCell - (kButtonWidth - x), cellY = top ? y : kCell - (kButtonHeight - y);
    return Skin().MasterBitmap().Pixel(ButtonBorder().R.Left + cellX, ButtonBorder().R.Top + cellY) == clFuchsia;
  }
};

TEST_F(WindowRegion, AButtonsRegionLeavesOutExactlyItsCornerHoles) {
  ASSERT_EQ(ButtonBorder().WL, kStrip);
  ASSERT_EQ(ButtonBorder().R.Width(), 3 * kCell);
  TBitmap picture(kButtonWidth, kButtonHeight);
  const UniqueRegion region =
      PaintMaskDirectWithRegion(PixelsOfDibSection(picture.Handle()), true, 0, ButtonBorder(), &Skin().MasterBitmap());
  ASSERT_TRUE(region);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0)) << "the top-left hole";
  int firstInside = 0;
  while (IsHole(firstInside, 0)) ++firstInside;
  EXPECT_TRUE(PtInRegion(region.get(), firstInside, 0)) << "next to it, at " << firstInside;
  for (int y = 0; y < kButtonHeight; ++y) {
    for (int x = 0; x < kButtonWidth; ++x) {
      ASSERT_EQ(PtInRegion(region.get(), x, y) != 0, !IsHole(x, y)) << x << "," << y;
    }
  }
  for (auto [x, y] : {std::pair{kButtonWidth - 1, 0}, {0, kButtonHeight - 1}, {kButtonWidth - 1, kButtonHeight - 1}}) {
    EXPECT_TRUE(IsHole(x, y)) << "every corner is rounded: " << x << "," << y;
  }

  // The corner holes of the border's first cell, collected for a frame of the same size, are the
  // same pixels.
  const UniqueRegion frame = CornerHolesRegion(kButtonWidth, kButtonHeight, ButtonBorder(), &Skin().MasterBitmap());
  EXPECT_TRUE(EqualRgn(frame.get(), region.get()));
}

}  // namespace
}  // namespace sundrel
