#include "paint/keyed_copy.h"

#include <gtest/gtest.h>

#include <vector>

#include "pixel_fixture.h"

namespace sundrel {
namespace {

using testing::AllPixels;
using testing::BitmapOf;
using testing::SolidBitmap;

constexpr TColor K = clFuchsia;

TEST(CopyKeyed, SkipsExactlyTheKeyColour) {
  const TColor nearKey[] = {RGBColor(0xFE, 0, 0xFF), RGBColor(0xFF, 1, 0xFF), RGBColor(0xFF, 0, 0xFE)};
  TacMemBitmap source = BitmapOf(2, 2, {K, nearKey[0], nearKey[1], nearKey[2]});
  TacMemBitmap destination = SolidBitmap(2, 2, 7);
  CopyKeyed(destination.Pixels(), source.Pixels(), 0, 0, K);
  EXPECT_EQ(AllPixels(destination.Pixels()), (std::vector<TColor>{7, nearKey[0], nearKey[1], nearKey[2]}));
}

TEST(CopyRectKeyed, TakesAnInclusiveRectangleAndClipsBothBitmaps) {
  struct Case {
    int x, y;
    TRect source;
    std::vector<TColor> expected;  // the 3 x 3 destination afterwards, 0 untouched
  };
  // Source pixels are numbered 1..9 row by row.
  const Case cases[] = {
      {0, 0, {0, 0, 1, 1}, {1, 2, 0, 4, 5, 0, 0, 0, 0}},   {1, 1, {1, 1, 2, 2}, {0, 0, 0, 0, 5, 6, 0, 8, 9}},
      {-1, 0, {0, 0, 2, 0}, {2, 3, 0, 0, 0, 0, 0, 0, 0}},   // cut at the destination's left
      {2, 2, {0, 0, 2, 2}, {0, 0, 0, 0, 0, 0, 0, 0, 1}},    // cut at its right and bottom
      {0, 0, {-1, -1, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 0}},  // source corner outside: what remains starts at x, y
      {1, 0, {-2, 1, 0, 1}, {0, 4, 0, 0, 0, 0, 0, 0, 0}},  {0, 0, {2, 2, 5, 5}, {9, 0, 0, 0, 0, 0, 0, 0, 0}},
      {3, 0, {0, 0, 2, 2}, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  TacMemBitmap source = BitmapOf(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  for (const Case& c : cases) {
    TacMemBitmap destination = SolidBitmap(3, 3, 0, /*bottomUp=*/true);
    CopyRectKeyed(destination.Pixels(), source.Pixels(), c.x, c.y, K, c.source);
    EXPECT_EQ(AllPixels(destination.Pixels()), c.expected) << c.x << "," << c.y;
  }
}

class CopyOverParent : public ::testing::Test {
 protected:
  // Key pixels on the diagonal of a 3 x 3 source; the others are 1..9.
  TacMemBitmap source = BitmapOf(3, 3, {K, 2, 3, 4, K, 6, 7, 8, K});
  // The parent's pixels are 100 + 10*y + x.
  TacMemBitmap parent24 = Numbered(6, 6, 3), parent32 = Numbered(6, 6, 4);

  static TacMemBitmap Numbered(int width, int height, int bytesPerPixel) {
    TacMemBitmap bitmap(width, height, bytesPerPixel);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) testing::SetPixelAt(bitmap.Pixels(), x, y, 100 + 10 * y + x);
    }
    return bitmap;
  }

  std::vector<TColor> Copy(bool useParent, const TacParentImage& parent) {
    TacMemBitmap destination = SolidBitmap(3, 3, 0);
    CopyRectKeyedOverParent(destination.Pixels(), source.Pixels(), 0, 0, useParent, parent, K, {0, 0, 2, 2});
    return AllPixels(destination.Pixels());
  }
};

TEST_F(CopyOverParent, KeyPixelsShowTheParentAtTheControlsPosition) {
  const std::vector<TColor> expected{100 + 10 * 2 + 1, 2, 3, 4, 100 + 10 * 3 + 2, 6, 7, 8, 100 + 10 * 4 + 3};
  EXPECT_EQ(Copy(true, {parent24.Pixels(), 1, 2, true}), expected);
  EXPECT_EQ(Copy(true, {parent32.Pixels(), 1, 2, true}), expected);
}

TEST_F(CopyOverParent, KeyPixelsStayWithoutAUsableParent) {
  const std::vector<TColor> plain{0, 2, 3, 4, 0, 6, 7, 8, 0};
  TacMemBitmap tiny = SolidBitmap(1, 6, 55);
  EXPECT_EQ(Copy(false, {parent24.Pixels(), 0, 0, true}), plain);
  EXPECT_EQ(Copy(true, {parent24.Pixels(), 0, 0, false}), plain);
  EXPECT_EQ(Copy(true, {TacPixels{}, 0, 0, true}), plain);
  EXPECT_EQ(Copy(true, {tiny.Pixels(), 0, 0, true}), plain);
}

TEST_F(CopyOverParent, OnlyPixelsThatThePartCoversAreTakenFromIt) {
  // The parent ends left of, right of, above and below the copy: key pixels there keep the
  // destination, and the source's other pixels are copied all the same.
  EXPECT_EQ(Copy(true, {parent24.Pixels(), 5, 0, true}), (std::vector<TColor>{105, 2, 3, 4, 0, 6, 7, 8, 0}));
  EXPECT_EQ(Copy(true, {parent24.Pixels(), -1, 0, true}), (std::vector<TColor>{0, 2, 3, 4, 110, 6, 7, 8, 121}));
  EXPECT_EQ(Copy(true, {parent24.Pixels(), 0, -1, true}), (std::vector<TColor>{0, 2, 3, 4, 101, 6, 7, 8, 112}));
  EXPECT_EQ(Copy(true, {parent24.Pixels(), 0, 4, true}), (std::vector<TColor>{140, 2, 3, 4, 151, 6, 7, 8, 0}));
}

}  // namespace
}  // namespace sundrel
