#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "dib_fixture.h"
#include "paint/gradient_win32.h"
#include "pixel_fixture.h"

namespace sundrel {
namespace {

using testing::DibCanvas;

constexpr TColor kSentinel = RGBColor(1, 2, 3);

TEST(GradientOnDc, RowsAndColumnsArePaintedAsInMemory) {
  for (const char* text : {"16777215;11237449;99;0;0;11237449;11237449;0;0;0", "255;16711680;30;1;0;65280;0;0;0;0"}) {
    const TsGradArray steps = ParseGradientData(text);
    DibCanvas canvas(40, 30, 24, false, kSentinel);
    TacMemBitmap memory = testing::SolidBitmap(40, 30, kSentinel);
    PaintGradient(canvas.Dc(), {3, 2, 37, 29}, steps);
    PaintGradient(memory.Pixels(), {3, 2, 37, 29}, steps);
    EXPECT_EQ(testing::AllPixels(canvas.Pixels()), testing::AllPixels(memory.Pixels())) << text;
    EXPECT_EQ(canvas.Pixel(2, 5), kSentinel);
  }
}

TEST(GradientOnDc, MeshWithOneStepFillsTheRectangle) {
  DibCanvas canvas(30, 20, 24, true, kSentinel);
  PaintGradient(canvas.Dc(), {2, 3, 27, 40}, {{RGBColor(9, 99, 199), clBlack, 0, gdMesh}});
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) {
      const bool inside = x >= 2 && x < 27 && y >= 3;
      ASSERT_EQ(canvas.Pixel(x, y), inside ? RGBColor(9, 99, 199) : kSentinel) << x << "," << y;
    }
  }
}

TEST(GradientOnDc, SystemMeshAgreesWithThePortableOne) {
  const TsGradArray steps{{clWhite, 0, 0, gdMesh},
                          {clBlack, 0, 0, 0},
                          {RGBColor(255, 0, 0), 0, 0, 0},
                          {RGBColor(0, 0, 255), 0, 0, 0},
                          {RGBColor(0, 255, 0), 0, 0, 0}};
  DibCanvas canvas(64, 48, 24, false, kSentinel);
  TacMemBitmap memory = testing::SolidBitmap(64, 48, kSentinel);
  PaintGradient(canvas.Dc(), {0, 0, 64, 48}, steps);
  PaintGradient(memory.Pixels(), {0, 0, 64, 48}, steps);
  int worst = 0;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      const TColor a = canvas.Pixel(x, y), b = testing::PixelAt(memory.Pixels(), x, y);
      ASSERT_NE(a, kSentinel) << x << "," << y;
      worst = std::max(
          {worst, std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)), std::abs(BlueOf(a) - BlueOf(b))});
    }
  }
  EXPECT_LE(worst, 8) << "largest channel difference between the system's mesh and ours";
  EXPECT_GE(RedOf(canvas.Pixel(0, 0)), 240);
  EXPECT_LE(GreenOf(canvas.Pixel(32, 24)), 16);
}

TEST(GradientOnDc, NothingWithoutADibSection) {
  HDC dc = CreateCompatibleDC(nullptr);  // a 1 x 1 monochrome bitmap is selected
  PaintGradient(dc, {0, 0, 1, 1}, {{clWhite, clWhite, 0, gdMesh}});
  PaintGradient(dc, {0, 0, 1, 1}, {{clWhite, clWhite, 0, gdVertical}});
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
  DeleteDC(dc);
}

}  // namespace
}  // namespace sundrel
