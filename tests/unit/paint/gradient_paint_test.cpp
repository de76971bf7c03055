#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "paint/gradient.h"
#include "pixel_fixture.h"

namespace sundrel {
namespace {

using testing::Describe;
using testing::PixelAt;
using testing::SolidBitmap;

constexpr TColor kSentinel = RGBColor(1, 2, 3);

// The colours of column x, from the top.
std::vector<TColor> Column(const TacPixels& pixels, int x) {
  std::vector<TColor> column;
  for (int y = 0; y < pixels.Height; ++y) column.push_back(PixelAt(pixels, x, y));
  return column;
}

std::vector<TColor> Row(const TacPixels& pixels, int y) {
  std::vector<TColor> row;
  for (int x = 0; x < pixels.Width; ++x) row.push_back(PixelAt(pixels, x, y));
  return row;
}

void ExpectNear(TColor got, TColor wanted, const std::string& where) {
  EXPECT_NEAR(RedOf(got), RedOf(wanted), 1) << where;
  EXPECT_NEAR(GreenOf(got), GreenOf(wanted), 1) << where;
  EXPECT_NEAR(BlueOf(got), BlueOf(wanted), 1) << where;
}

TEST(VerticalGradient, ButtonOnTwentyFiveRows) {
  // The second colour differs from the first step's end here, to show which step painted a row.
  const TsGradArray steps = ParseGradientData("16777215;11237449;99;0;0;255;255;0;0;0");
  TacMemBitmap bitmap = SolidBitmap(4, 25, kSentinel, /*bottomUp=*/true);
  PaintGradient(bitmap.Pixels(), {0, 0, 4, 25}, steps);
  // 99 * 25 div 100 = 24: the first step covers every row, the second starts and ends at row 24.
  EXPECT_EQ(PixelAt(bitmap.Pixels(), 0, 0), clWhite);
  ExpectNear(PixelAt(bitmap.Pixels(), 3, 24), 11237449, "last row");
  const std::vector<TColor> column = Column(bitmap.Pixels(), 2);
  for (int y = 1; y < 25; ++y) EXPECT_LE(RedOf(column[y]), RedOf(column[y - 1])) << "row " << y;
}

TEST(VerticalGradient, ButtonOnTwoHundredRows) {
  const TsGradArray steps = ParseGradientData("16777215;11237449;99;0;0;255;255;0;0;0");
  TacMemBitmap bitmap = SolidBitmap(3, 200, kSentinel);
  PaintGradient(bitmap.Pixels(), {0, 0, 3, 200}, steps);
  ExpectNear(PixelAt(bitmap.Pixels(), 0, 197), 11237449, "row 197");
  EXPECT_EQ(PixelAt(bitmap.Pixels(), 0, 198), 255);  // the boundary row takes the second step's colour
  EXPECT_EQ(PixelAt(bitmap.Pixels(), 2, 199), 255);
}

TEST(VerticalGradient, RunningValuesRoundWithTiesToEven) {
  // 0 to 100 over rows 0..4 in steps of 25, then red 0 to 2 over rows 4..8 in steps of 0.5.
  const TsGradArray steps{{RGBColor(0, 0, 0), RGBColor(0, 100, 0), 50, gdVertical},
                          {RGBColor(0, 200, 0), RGBColor(2, 200, 0), 0, gdVertical}};
  TacMemBitmap bitmap = SolidBitmap(2, 9, kSentinel);
  PaintGradient(bitmap.Pixels(), {0, 0, 2, 9}, steps);
  EXPECT_EQ(Column(bitmap.Pixels(), 1),
            (std::vector<TColor>{RGBColor(0, 0, 0), RGBColor(0, 25, 0), RGBColor(0, 50, 0), RGBColor(0, 75, 0),
                                 RGBColor(0, 200, 0), RGBColor(0, 200, 0), RGBColor(1, 200, 0), RGBColor(2, 200, 0),
                                 RGBColor(2, 200, 0)}));
}

TEST(VerticalGradient, PaintsOnlyTheClippedRectangle) {
  const TsGradArray steps{{clWhite, clWhite, 0, gdVertical}};
  TacMemBitmap bitmap = SolidBitmap(4, 4, kSentinel);
  PaintGradient(bitmap.Pixels(), {1, -3, 3, 9}, steps);
  for (int y = 0; y < 4; ++y) {
    EXPECT_EQ(Row(bitmap.Pixels(), y), (std::vector<TColor>{kSentinel, clWhite, clWhite, kSentinel})) << y;
  }
}

TEST(HorizontalGradient, StepsShareTheWidthAndTheLastReachesTheEdge) {
  // 40 percent of 10 columns: columns 0..4 for the first step, 4..9 for the last.
  const TsGradArray steps{{RGBColor(0, 0, 0), RGBColor(100, 0, 0), 40, gdHorizontal},
                          {RGBColor(0, 0, 50), RGBColor(0, 0, 0), 10, gdVertical}};
  TacMemBitmap bitmap = SolidBitmap(10, 3, kSentinel, /*bottomUp=*/true);
  PaintGradient(bitmap.Pixels(), {0, 0, 10, 3}, steps);
  const std::vector<TColor> expected{RGBColor(0, 0, 0),  RGBColor(25, 0, 0), RGBColor(50, 0, 0), RGBColor(75, 0, 0),
                                     RGBColor(0, 0, 50), RGBColor(0, 0, 40), RGBColor(0, 0, 30), RGBColor(0, 0, 20),
                                     RGBColor(0, 0, 10), RGBColor(0, 0, 0)};
  for (int y = 0; y < 3; ++y) EXPECT_EQ(Row(bitmap.Pixels(), y), expected) << "row " << y;
}

TEST(HorizontalGradient, ColumnsAreRoundedFromARealShare) {
  // 25 percent of 6 columns is 1.5. From column 0 the first step ends at round(1.5) = 2; from
  // column 1 it ends at round(2.5) = 2 as well (ties to even). The last step starts there.
  const TsGradArray steps{{RGBColor(0, 0, 0), RGBColor(4, 0, 0), 25, gdHorizontal}, {clWhite, clWhite, 0, 0}};
  TacMemBitmap fromZero = SolidBitmap(8, 2, kSentinel), fromOne = SolidBitmap(8, 2, kSentinel);
  PaintGradient(fromZero.Pixels(), {0, 0, 6, 1}, steps);
  PaintGradient(fromOne.Pixels(), {1, 0, 7, 1}, steps);
  EXPECT_EQ(Row(fromZero.Pixels(), 0),
            (std::vector<TColor>{0, RGBColor(2, 0, 0), clWhite, clWhite, clWhite, clWhite, kSentinel, kSentinel}));
  EXPECT_EQ(Row(fromOne.Pixels(), 0),
            (std::vector<TColor>{kSentinel, 0, clWhite, clWhite, clWhite, clWhite, clWhite, kSentinel}));
  EXPECT_EQ(PixelAt(fromOne.Pixels(), 3, 1), kSentinel);
}

TEST(Gradient, ExtentsTooSmallForAnyStepPaintNothing) {
  struct Case {
    int32_t direction;
    TRect rect;
  };
  const Case cases[] = {
      {gdHorizontal, {1, 0, 2, 3}},  // one column wide
      {gdVertical, {0, 1, 3, 2}},    // one row high
      {gdVertical, {5, 5, 9, 9}},    // outside the bitmap
      {3, {0, 0, 3, 3}},             // an unknown direction
  };
  for (const Case& c : cases) {
    TacMemBitmap bitmap = SolidBitmap(3, 3, kSentinel);
    PaintGradient(bitmap.Pixels(), c.rect, {{clWhite, clBlack, 50, c.direction}});
    for (TColor pixel : testing::AllPixels(bitmap.Pixels())) EXPECT_EQ(pixel, kSentinel) << c.direction;
  }
  TacMemBitmap bitmap = SolidBitmap(3, 3, kSentinel);
  PaintGradient(bitmap.Pixels(), {0, 0, 3, 3}, {});
  EXPECT_EQ(PixelAt(bitmap.Pixels(), 1, 1), kSentinel);
}

TEST(Gradient, ASingleStepOfZeroPercentStillFillsTheRectangle) {
  for (int32_t direction : {gdVertical, gdHorizontal}) {
    TacMemBitmap bitmap = SolidBitmap(5, 4, kSentinel);
    PaintGradient(bitmap.Pixels(), {0, 0, 5, 4}, {{clBlack, clWhite, 0, direction}});
    EXPECT_EQ(PixelAt(bitmap.Pixels(), 0, 0), clBlack) << direction;
    EXPECT_EQ(PixelAt(bitmap.Pixels(), 4, 3), clWhite) << direction;
  }
}

TEST(MeshGradient, VerticesAreTheCornersAndTheCentre) {
  const TsGradArray steps{{RGBColor(1, 2, 3), 0, 0, gdMesh}, {RGBColor(4, 5, 6), 0, 0, 0}};
  const auto v = MeshVertices({10, 20, 31, 40}, steps);
  const int32_t xy[5][2] = {{10, 20}, {20, 30}, {31, 20}, {31, 40}, {10, 40}};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(v[k].X, xy[k][0]) << k;
    EXPECT_EQ(v[k].Y, xy[k][1]) << k;
  }
  EXPECT_EQ(v[0].Red, 0x100);
  EXPECT_EQ(v[0].Blue, 0x300);
  for (int k = 1; k < 5; ++k) EXPECT_EQ(v[k].Green, 0x500) << "vertex " << k << " repeats the last step";
}

TEST(MeshGradient, OneStepFillsTheWholeRectangleInItsColour) {
  for (const TRect& r : {TRect{0, 0, 7, 5}, TRect{1, 1, 2, 6}, TRect{2, 0, 8, 1}, TRect{-4, -4, 9, 9}}) {
    TacMemBitmap bitmap = SolidBitmap(8, 6, kSentinel);
    PaintGradient(bitmap.Pixels(), r, {{RGBColor(9, 99, 199), clBlack, 0, gdMesh}});
    const TRect inside = ClipToSize(r, 8, 6);
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 8; ++x) {
        const bool in = x >= inside.Left && x < inside.Right && y >= inside.Top && y < inside.Bottom;
        EXPECT_EQ(Describe(PixelAt(bitmap.Pixels(), x, y)), Describe(in ? RGBColor(9, 99, 199) : kSentinel))
            << x << "," << y;
      }
    }
  }
}

TEST(MeshGradient, ColoursRunFromTheCornersToTheCentre) {
  // Top-left white, centre and the other corners black.
  TacMemBitmap bitmap = SolidBitmap(64, 64, kSentinel);
  PaintGradient(bitmap.Pixels(), {0, 0, 64, 64}, {{clWhite, 0, 0, gdMesh}, {clBlack, 0, 0, 0}});
  EXPECT_GE(RedOf(PixelAt(bitmap.Pixels(), 0, 0)), 245);
  EXPECT_EQ(PixelAt(bitmap.Pixels(), 32, 32), clBlack);
  EXPECT_EQ(PixelAt(bitmap.Pixels(), 63, 63), clBlack);
  EXPECT_EQ(PixelAt(bitmap.Pixels(), 63, 0), clBlack);
  // Half way along the top edge the colour is about half way.
  EXPECT_NEAR(RedOf(PixelAt(bitmap.Pixels(), 31, 0)), 128, 8);
  std::set<TColor> seen;
  for (TColor pixel : testing::AllPixels(bitmap.Pixels())) seen.insert(pixel);
  EXPECT_EQ(seen.count(kSentinel), 0u) << "every pixel belongs to a triangle";
}

}  // namespace
}  // namespace sundrel
