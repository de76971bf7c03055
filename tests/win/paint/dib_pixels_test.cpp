#include <gtest/gtest.h>

#include "dib_fixture.h"
#include "paint/blend.h"
#include "paint/dib_pixels_win32.h"
#include "paint/keyed_copy.h"
#include "pixel_fixture.h"

namespace sundrel {
namespace {

using testing::DibCanvas;

TEST(DibPixels, ViewsRowsAsGdiSeesThemInEitherDirection) {
  struct Case {
    int bitsPerPixel;
    bool topDown;
  };
  for (const Case& c : {Case{24, false}, Case{24, true}, Case{32, false}, Case{32, true}}) {
    DibCanvas canvas(5, 3, c.bitsPerPixel, c.topDown);
    SetPixelV(canvas.Dc(), 1, 0, RGB(10, 20, 30));
    SetPixelV(canvas.Dc(), 4, 2, RGB(40, 50, 60));
    const TacPixels pixels = canvas.Pixels();
    ASSERT_NE(pixels.Row0, nullptr) << c.bitsPerPixel;
    EXPECT_EQ(pixels.Width, 5);
    EXPECT_EQ(pixels.Height, 3);
    EXPECT_EQ(pixels.BytesPerPixel, c.bitsPerPixel / 8);
    EXPECT_EQ(pixels.RowDelta < 0, !c.topDown) << "bottom-up rows run backwards";
    EXPECT_EQ(testing::PixelAt(pixels, 1, 0), RGBColor(10, 20, 30)) << c.bitsPerPixel << " " << c.topDown;
    EXPECT_EQ(testing::PixelAt(pixels, 4, 2), RGBColor(40, 50, 60)) << c.bitsPerPixel << " " << c.topDown;
  }
}

TEST(DibPixels, OtherBitmapsGiveNoView) {
  DibCanvas palette(4, 4, 8);
  EXPECT_EQ(PixelsOfDibSection(palette.Bitmap()).Row0, nullptr);
  HDC screen = GetDC(nullptr);
  HBITMAP device = CreateCompatibleBitmap(screen, 4, 4);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(PixelsOfDibSection(device).Row0, nullptr);
  DeleteObject(device);
  EXPECT_EQ(PixelsOfDibSection(nullptr).Row0, nullptr);
}

TEST(DibPixels, PixelCodeAndGdiShareTheBits) {
  DibCanvas canvas(4, 4, 24, false, RGBColor(200, 100, 0));
  ShadeRect(canvas.Pixels(), {1, 1, 2, 2}, 50, clBlack);
  EXPECT_EQ(canvas.Pixel(1, 1), RGBColor(100, 50, 0));
  EXPECT_EQ(canvas.Pixel(0, 0), RGBColor(200, 100, 0));

  // A skin image with a key pixel, copied over a parent picture that lives in another DIB.
  DibCanvas parent(6, 6, 32, true, RGBColor(1, 2, 3));
  SetPixelV(parent.Dc(), 3, 4, RGB(9, 8, 7));
  TacMemBitmap skin = testing::BitmapOf(2, 2, {clFuchsia, 5, 6, 7});
  CopyRectKeyedOverParent(canvas.Pixels(), skin.Pixels(), 2, 2, true, {parent.Pixels(), 1, 2, true}, clFuchsia,
                          {0, 0, 1, 1});
  EXPECT_EQ(canvas.Pixel(2, 2), RGBColor(9, 8, 7));
  EXPECT_EQ(canvas.Pixel(3, 3), 7);
}

}  // namespace
}  // namespace sundrel
