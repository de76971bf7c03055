#include "paint/blend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "pixel_fixture.h"

namespace sundrel {
namespace {

using testing::AllPixels;
using testing::BitmapOf;
using testing::Describe;
using testing::PixelAt;
using testing::SolidBitmap;

TEST(MaskBlend, BlackShowsTheSkinWhiteNearlyTheDestination) {
  struct Case {
    int skin, destination, mask, expected;
  };
  const Case cases[] = {
      {200, 17, 0, 200},   // black mask: the skin pixel
      {255, 0, 255, 0},    // white mask over black: S shr 8, 0 for every skin pixel
      {0, 255, 255, 254},  // white mask: (S + 255*D) shr 8, not exactly D
      {255, 255, 255, 255}, {0, 255, 128, 127}, {100, 200, 64, 125},  // (100*192 + 200*64) shr 8
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MaskBlend(c.skin, c.destination, c.mask), c.expected) << c.skin << " " << c.destination << " " << c.mask;
  }
}

// The row loop is vectorised; it must agree with the rule for every skin, destination and mask byte.
TEST(MaskBlend, RowsFollowTheRuleForEveryByteTriple) {
  std::vector<uint8_t> destination(256), skin(256), mask(256);
  for (int s = 0; s < 256; ++s) {
    for (int m = 0; m < 256; ++m) {
      for (int d = 0; d < 256; ++d) destination[d] = static_cast<uint8_t>(d), skin[d] = s, mask[d] = m;
      MaskBlendBytes(destination.data(), skin.data(), mask.data(), 256);
      for (int d = 0; d < 256; ++d) {
        const int expected = LimitToByte(((d - s) * m + s * 256) >> 8);
        if (destination[d] != expected) FAIL() << "S " << s << " D " << d << " M " << m << ": " << int{destination[d]};
      }
    }
  }
}

TEST(MergeBitmaps, WeightsAndRoundingOfEveryByte) {
  // D := (D*a + S*(255 - a)) / 255 rounded, for every weight and byte pair, through whole bitmaps.
  TacMemBitmap destination(256, 256, 3), source(256, 256, 3);
  for (int y = 0; y < 256; ++y) std::fill_n(source.Pixels().Row(y), 3 * 256, static_cast<uint8_t>(y));
  for (int a = 0; a < 256; ++a) {
    for (int y = 0; y < 256; ++y) {
      for (int x = 0; x < 3 * 256; ++x) destination.Pixels().Row(y)[x] = static_cast<uint8_t>(x / 3);
    }
    MergeBitmaps(destination.Pixels(), source.Pixels(), a);
    for (int y = 0; y < 256; ++y) {
      for (int d = 0; d < 256; ++d) {
        const int got = destination.Pixels().Row(y)[3 * d + 1];
        // 255 is odd, so the quotient never ends in exactly one half.
        const int expected = (2 * (d * a + y * (255 - a)) + 255) / 510;
        if (got != expected) FAIL() << "a " << a << " D " << d << " S " << y << ": " << got;
      }
    }
  }
}

TEST(MergeBitmaps, EndsOfTheWeightKeepOneSideAndEqualBytesStay) {
  struct Case {
    int weight, destination, source, expected;
  };
  const Case cases[] = {
      {255, 127, 240, 127}, {255, 128, 3, 128}, {255, 255, 0, 255}, {0, 9, 127, 127},
      {0, 9, 240, 240},     {90, 77, 77, 77},   {90, 200, 200, 200}, {128, 0, 255, 127},
  };
  for (const Case& c : cases) {
    TacMemBitmap destination = SolidBitmap(3, 2, RGBColor(c.destination, 0, 0));
    TacMemBitmap source = SolidBitmap(3, 2, RGBColor(c.source, 0, 0));
    MergeBitmaps(destination.Pixels(), source.Pixels(), c.weight);
    EXPECT_EQ(RedOf(PixelAt(destination.Pixels(), 2, 1)), c.expected)
        << c.weight << " " << c.destination << " " << c.source;
  }
}

TEST(MergeBitmaps, DoesNothingForDifferentSizesOrTinyBitmaps) {
  struct Case {
    int dw, dh, sw, sh;
  };
  for (const Case& c : {Case{3, 2, 2, 3}, Case{1, 4, 1, 4}, Case{4, 1, 4, 1}}) {
    TacMemBitmap destination = SolidBitmap(c.dw, c.dh, clWhite), source = SolidBitmap(c.sw, c.sh, clBlack);
    MergeBitmaps(destination.Pixels(), source.Pixels(), 0);
    EXPECT_EQ(PixelAt(destination.Pixels(), 0, 0), clWhite) << c.dw << "x" << c.dh;
  }
}

TEST(MergeBitmaps, BottomUpAndTopDownBitmapsMeetByCoordinates) {
  TacMemBitmap destination = BitmapOf(2, 2, {1, 2, 3, 4}, /*bottomUp=*/true);
  TacMemBitmap source = BitmapOf(2, 2, {5, 6, 7, 8});
  MergeBitmaps(destination.Pixels(), source.Pixels(), 0);
  EXPECT_EQ(AllPixels(destination.Pixels()), (std::vector<TColor>{5, 6, 7, 8}));
}

TEST(MergeBitmapRect, PlacesTheSourceRectangleClippedOnEverySide) {
  struct Case {
    TPoint point;
    TRect source;
    std::vector<TColor> expected;  // the 3 x 3 destination afterwards, 0 untouched, 9 merged (weight 0)
  };
  const Case cases[] = {
      {{1, 1}, {0, 0, 2, 2}, {0, 0, 0, 0, 9, 9, 0, 9, 9}},
      {{-1, -1}, {0, 0, 3, 3}, {9, 9, 0, 9, 9, 0, 0, 0, 0}},  // cut at the top and left
      {{2, 1}, {0, 0, 3, 3}, {0, 0, 0, 0, 0, 9, 0, 0, 9}},    // cut at the right and bottom
      {{0, 0}, {-1, -1, 1, 1}, {0, 0, 0, 0, 9, 0, 0, 0, 0}},  // source corner outside its bitmap
      {{0, 0}, {2, 2, 9, 9}, {9, 0, 0, 0, 0, 0, 0, 0, 0}},    // source rectangle beyond its bitmap
      {{3, 0}, {0, 0, 3, 3}, {0, 0, 0, 0, 0, 0, 0, 0, 0}},    // entirely outside
  };
  for (const Case& c : cases) {
    TacMemBitmap destination = SolidBitmap(3, 3, 0), source = SolidBitmap(3, 3, 9);
    MergeBitmapRect(destination.Pixels(), source.Pixels(), 0, c.point, c.source);
    EXPECT_EQ(AllPixels(destination.Pixels()), c.expected) << c.point.X << "," << c.point.Y;
  }
}

TEST(MergeBitmapRect, OverlapInOneBitmapWalksBackwards) {
  // Merging a bitmap onto itself one pixel to the right: walking from the last byte, each pixel
  // reads a source that is not yet merged.
  TacMemBitmap bitmap = BitmapOf(4, 2, {0, 0, 0, 0, RGBColor(100, 0, 0), RGBColor(0, 100, 0), RGBColor(0, 0, 100), 0});
  MergeBitmapRect(bitmap.Pixels(), bitmap.Pixels(), 128, {1, 1}, {0, 1, 3, 2});
  auto merged = [](int d, int s) { return (d * 128 + s * 127 + 127) >> 8; };
  EXPECT_EQ(AllPixels(bitmap.Pixels()),
            (std::vector<TColor>{0, 0, 0, 0, RGBColor(100, 0, 0), RGBColor(merged(0, 100), merged(100, 0), 0),
                                 RGBColor(0, merged(0, 100), merged(100, 0)), RGBColor(0, 0, merged(0, 100))}));
}

TEST(BlendImageOver, KeepsTheGivenShareOfTheDestination) {
  struct Case {
    double transparency;
    TColor source, destination, expected;
  };
  const Case cases[] = {
      {0.0, RGBColor(10, 20, 30), RGBColor(200, 100, 0), RGBColor(10, 20, 30)},
      {1.0, RGBColor(10, 20, 30), RGBColor(200, 100, 0), RGBColor(200, 100, 0)},
      {0.4, RGBColor(200, 0, 100), RGBColor(100, 255, 100), RGBColor(160, 102, 100)},
      {0.5, RGBColor(1, 3, 5), clBlack, RGBColor(0, 2, 2)},  // 0.5, 1.5, 2.5: ties to even
  };
  for (const Case& c : cases) {
    TacMemBitmap destination = SolidBitmap(2, 2, c.destination), source = SolidBitmap(2, 2, c.source);
    BlendImageOver(destination.Pixels(), 0, 0, clFuchsia, c.transparency, {0, 0, 1, 1}, source.Pixels());
    EXPECT_EQ(Describe(PixelAt(destination.Pixels(), 1, 1)), Describe(c.expected)) << c.transparency;
  }
}

TEST(BlendImageOver, SkipsKeyPixelsUnlessTheKeyIsNoColour) {
  const TColor nearKey[] = {RGBColor(0xFE, 0, 0xFF), RGBColor(0xFF, 1, 0xFF), RGBColor(0xFF, 0, 0xFE)};
  TacMemBitmap source = BitmapOf(4, 1, {clFuchsia, nearKey[0], nearKey[1], nearKey[2]});
  TacMemBitmap keyed = SolidBitmap(4, 1, clBlack), unkeyed = SolidBitmap(4, 1, clBlack);
  BlendImageOver(keyed.Pixels(), 0, 0, clFuchsia, 0.0, {0, 0, 3, 0}, source.Pixels());
  BlendImageOver(unkeyed.Pixels(), 0, 0, clNoKey, 0.0, {0, 0, 3, 0}, source.Pixels());
  EXPECT_EQ(AllPixels(keyed.Pixels()), (std::vector<TColor>{clBlack, nearKey[0], nearKey[1], nearKey[2]}));
  EXPECT_EQ(AllPixels(unkeyed.Pixels()), (std::vector<TColor>{clFuchsia, nearKey[0], nearKey[1], nearKey[2]}));
}

TEST(BlendImageOver, ReadsThirtyTwoBitSourcesAndClips) {
  TacMemBitmap source = BitmapOf(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9}, false, /*bytesPerPixel=*/4);
  TacMemBitmap destination = SolidBitmap(2, 2, 0);
  BlendImageOver(destination.Pixels(), -1, 0, clFuchsia, 0.0, {0, 1, 2, 2}, source.Pixels());
  EXPECT_EQ(AllPixels(destination.Pixels()), (std::vector<TColor>{5, 6, 8, 9}));
}

TEST(TintByMask, BlackMaskGivesTheColourWhiteKeepsThePixel) {
  TacMemBitmap bitmap = SolidBitmap(2, 1, RGBColor(100, 0, 255));
  TacMemBitmap mask = BitmapOf(2, 1, {clBlack, clWhite});
  TintByMask(bitmap.Pixels(), mask.Pixels(), RGBColor(20, 40, 60));
  EXPECT_EQ(Describe(PixelAt(bitmap.Pixels(), 0, 0)), Describe(RGBColor(20, 40, 60)));
  // (C*256 + 255*(P - C)) shr 8 = (C + 255*P) shr 8
  EXPECT_EQ(Describe(PixelAt(bitmap.Pixels(), 1, 0)), Describe(RGBColor(99, 0, 254)));

  TacMemBitmap other = SolidBitmap(3, 1, clBlack);
  TintByMask(bitmap.Pixels(), other.Pixels(), clWhite);  // sizes differ: nothing happens
  EXPECT_EQ(PixelAt(bitmap.Pixels(), 0, 0), RGBColor(20, 40, 60));
}

TEST(ShadeRect, MovesPixelsTowardsTheColour) {
  struct Case {
    int percent;
    TColor pixel, color, expected;
  };
  const Case cases[] = {
      {100, RGBColor(10, 20, 30), clWhite, RGBColor(10, 20, 30)},
      {0, RGBColor(10, 20, 30), RGBColor(1, 2, 3), RGBColor(1, 2, 3)},
      {50, RGBColor(1, 3, 5), clBlack, RGBColor(0, 2, 2)},  // exact halves round to even
      {30, RGBColor(200, 0, 100), RGBColor(0, 200, 100), RGBColor(60, 140, 100)},
      {0, clBlack, static_cast<TColor>(0xFF00000F), SystemColorRGB(15)},  // a system colour is resolved
  };
  for (const Case& c : cases) {
    TacMemBitmap bitmap = SolidBitmap(2, 2, c.pixel);
    ShadeRect(bitmap.Pixels(), {0, 0, 1, 1}, c.percent, c.color);
    EXPECT_EQ(Describe(PixelAt(bitmap.Pixels(), 1, 1)), Describe(c.expected)) << c.percent;
  }
}

TEST(ShadeRect, TakesAnInclusiveRectangleClippedToTheBitmap) {
  TacMemBitmap bitmap = SolidBitmap(3, 3, clWhite);
  ShadeRect(bitmap.Pixels(), {1, -5, 40, 40}, 0, clBlack);
  EXPECT_EQ(AllPixels(bitmap.Pixels()), (std::vector<TColor>{clWhite, 0, 0, clWhite, 0, 0, clWhite, 0, 0}));
  TacMemBitmap small = SolidBitmap(3, 3, clWhite);
  ShadeRect(small.Pixels(), {0, 0, 1, 0}, 0, clBlack);  // Right and Bottom inclusive
  EXPECT_EQ(AllPixels(small.Pixels()),
            (std::vector<TColor>{0, 0, clWhite, clWhite, clWhite, clWhite, clWhite, clWhite, clWhite}));
}

}  // namespace
}  // namespace sundrel
