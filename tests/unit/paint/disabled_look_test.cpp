#include "paint/disabled_look.h"

#include <gtest/gtest.h>

#include <vector>

#include "pixel_fixture.h"

namespace sundrel {
namespace {

using testing::AllPixels;
using testing::BitmapOf;
using testing::Describe;
using testing::PixelAt;
using testing::SolidBitmap;

TEST(GrayBitmap, AveragesTheChannels) {
  TacMemBitmap bitmap = BitmapOf(2, 2, {RGBColor(10, 20, 31), clFuchsia, clWhite, RGBColor(1, 1, 0)});
  GrayBitmap(bitmap.Pixels());
  EXPECT_EQ(AllPixels(bitmap.Pixels()),
            (std::vector<TColor>{RGBColor(20, 20, 20), RGBColor(170, 170, 170), clWhite, clBlack}));

  TacMemBitmap keyed = BitmapOf(2, 1, {clFuchsia, RGBColor(0xFE, 0, 0xFF)});
  GrayBitmapExceptKey(keyed.Pixels(), clFuchsia);
  EXPECT_EQ(AllPixels(keyed.Pixels()), (std::vector<TColor>{clFuchsia, RGBColor(169, 169, 169)}));
}

class DisabledLook : public ::testing::Test {
 protected:
  FreshSlots fresh;
  TacMemBitmap control = SolidBitmap(2, 2, RGBColor(100, 0, 30));
};

TEST_F(DisabledLook, BlendedOverAReadyParentIsSixtyPercentParent) {
  // The parent is white except under the control, which sits at (1, 1) + offset (1, 0).
  TacMemBitmap parent = SolidBitmap(5, 5, clWhite);
  for (int y = 1; y < 3; ++y) {
    for (int x = 2; x < 4; ++x) testing::SetPixelAt(parent.Pixels(), x, y, RGBColor(200, 255, 0));
  }
  PaintDisabledLook(control.Pixels(), dkBlended, clBlack, {1, 0}, {parent.Pixels(), 1, 1, true});
  // round(P - (P - C)*0.4): 200 - 40, 255 - 102, 0 + 12
  for (TColor pixel : AllPixels(control.Pixels())) EXPECT_EQ(Describe(pixel), Describe(RGBColor(160, 153, 12)));
}

TEST_F(DisabledLook, WithoutAParentShadesHalfWayToTheBackground) {
  Shared().BackFillColor = RGBColor(0, 200, 31);
  PaintDisabledLook(control.Pixels(), dkBlended, clWhite, {}, {});
  EXPECT_EQ(Describe(PixelAt(control.Pixels(), 1, 1)), Describe(RGBColor(50, 100, 30)));  // 30.5 rounds to even

  Shared().BackFillColor = clFuchsia;  // unset: the control's own colour
  TacMemBitmap other = SolidBitmap(2, 2, RGBColor(100, 0, 30));
  PaintDisabledLook(other.Pixels(), dkBlended, static_cast<TColor>(0xFF00000F), {}, {});
  const TColor face = SystemColorRGB(15);
  EXPECT_NEAR(RedOf(PixelAt(other.Pixels(), 0, 0)), (100 + RedOf(face)) / 2.0, 0.5);
  EXPECT_NEAR(GreenOf(PixelAt(other.Pixels(), 0, 0)), GreenOf(face) / 2.0, 0.5);
}

TEST_F(DisabledLook, GrayedAloneOnlyGreys) {
  PaintDisabledLook(control.Pixels(), dkGrayed, clWhite, {}, {});
  EXPECT_EQ(PixelAt(control.Pixels(), 0, 0), RGBColor(43, 43, 43));
  TacMemBitmap both = SolidBitmap(2, 2, RGBColor(100, 0, 30));
  Shared().BackFillColor = clBlack;
  PaintDisabledLook(both.Pixels(), dkGrayed | dkBlended, clWhite, {}, {});
  EXPECT_EQ(PixelAt(both.Pixels(), 0, 0), RGBColor(22, 22, 22));  // grey 43, then half way to black: 21.5
  TacMemBitmap neither = SolidBitmap(2, 2, RGBColor(100, 0, 30));
  PaintDisabledLook(neither.Pixels(), 0, clWhite, {}, {});
  EXPECT_EQ(PixelAt(neither.Pixels(), 0, 0), RGBColor(100, 0, 30));
}

}  // namespace
}  // namespace sundrel
