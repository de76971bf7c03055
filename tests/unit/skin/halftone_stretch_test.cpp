// The smooth stretch: exact integers, so both builds give these very pixels.
#include "skin/mask/halftone_stretch.h"

#include <gtest/gtest.h>

#include <vector>

#include "pixel_fixture.h"

namespace sundrel {
namespace {

using testing::AllPixels;
using testing::SolidBitmap;

// A one-row picture of greys.
TacMemBitmap GreyRow(const std::vector<int>& greys) {
  TacMemBitmap row = NewBitmap24(static_cast<int>(greys.size()), 2);
  for (int x = 0; x < row.Width(); ++x) {
    for (int y = 0; y < 2; ++y) row.SetPixel(x, y, RGBColor(greys[x], greys[x], greys[x]));
  }
  return row;
}

std::vector<int> RedsOfRow(const TacMemBitmap& bitmap, int y) {
  std::vector<int> reds;
  for (int x = 0; x < bitmap.Width(); ++x) reds.push_back(RedOf(bitmap.Pixel(x, y)));
  return reds;
}

TEST(StretchHalftone, AveragesWhenShrinkingAndInterpolatesWhenGrowing) {
  struct Case {
    std::vector<int> source;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {{0, 100, 200, 40}, {0, 100, 200, 40}},       // same size: a copy
      {{0, 100, 200, 40}, {50, 120}},               // each target pixel the mean of two
      {{0, 90, 30}, {30, 50}},                      // 1.5 source pixels each: (0 + 45) / 1.5, (45 + 30) / 1.5
      {{0, 200}, {0, 50, 150, 200}},                // centres at -1/4, 1/4, 3/4, 5/4
      {{10, 20, 255}, {10, 13, 18, 79, 196, 255}},  // halves round up: 12.5 gives 13
  };
  for (const Case& c : cases) {
    TacMemBitmap source = GreyRow(c.source);
    TacMemBitmap target = SolidBitmap(static_cast<int>(c.expected.size()), 2, 0);
    StretchHalftone(target.Pixels(), {0, 0, target.Width(), 2}, source.Pixels(), {0, 0, source.Width(), 2});
    EXPECT_EQ(RedsOfRow(target, 0), c.expected);
    EXPECT_EQ(RedsOfRow(target, 1), c.expected);
  }
}

TEST(StretchHalftone, StretchesBothWaysAtOnce) {
  // 2 x 2 to 4 x 4: every target pixel is bilinear in both directions.
  TacMemBitmap source = NewBitmap24(2, 2);
  source.SetPixel(0, 0, 0), source.SetPixel(1, 0, RGBColor(200, 0, 0));
  source.SetPixel(0, 1, RGBColor(0, 200, 0)), source.SetPixel(1, 1, RGBColor(200, 200, 0));
  TacMemBitmap target = SolidBitmap(4, 4, 0);
  StretchHalftone(target.Pixels(), {0, 0, 4, 4}, source.Pixels(), {0, 0, 2, 2});
  const int ramp[] = {0, 50, 150, 200};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(target.Pixel(x, y), RGBColor(ramp[x], ramp[y], 0)) << x << "," << y;
  }
}

TEST(StretchHalftone, ATargetPartlyOutsideKeepsThePixelsItWouldHaveInside) {
  TacMemBitmap source = GreyRow({0, 60, 120, 250, 30});
  TacMemBitmap whole = SolidBitmap(9, 2, 0);
  StretchHalftone(whole.Pixels(), {0, 0, 9, 2}, source.Pixels(), {0, 0, 5, 2});
  TacMemBitmap cut = SolidBitmap(5, 2, 0);
  StretchHalftone(cut.Pixels(), {-2, -1, 7, 1}, source.Pixels(), {0, 0, 5, 2});
  const std::vector<int> wholeRow = RedsOfRow(whole, 0);
  EXPECT_EQ(RedsOfRow(cut, 0), std::vector<int>(wholeRow.begin() + 2, wholeRow.begin() + 7));
  EXPECT_EQ(RedsOfRow(cut, 1), std::vector<int>(5, 0)) << "below the target";
}

TEST(StretchHalftone, NothingToStretchDrawsNothing) {
  TacMemBitmap source = GreyRow({9, 9});
  const TRect targets[] = {{0, 0, 0, 2}, {0, 0, 2, 0}, {5, 0, 9, 2}, {0, 0, 2, 2}};
  const TRect sources[] = {{0, 0, 2, 2}, {0, 0, 2, 2}, {0, 0, 2, 2}, {2, 0, 4, 2}};
  for (int i = 0; i < 4; ++i) {
    TacMemBitmap target = SolidBitmap(3, 2, 0);
    StretchHalftone(target.Pixels(), targets[i], source.Pixels(), sources[i]);
    EXPECT_EQ(AllPixels(target.Pixels()), std::vector<TColor>(6, 0)) << i;
  }
}

}  // namespace
}  // namespace sundrel
