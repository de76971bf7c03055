// TBitmap: a DIB section whose rows the portable paint code writes directly and GDI draws.
#include "framework/bitmap.h"

#include <gtest/gtest.h>

namespace sundrel {
namespace {

struct FormatCase {
  TPixelFormat format;
  int bytesPerPixel;
  int rowDelta;  // for a 5 pixel wide bitmap, rows padded to 4 bytes, bottom-up
};

class BitmapFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(BitmapFormats, RowsAreAddressedTopDownOverBottomUpMemory) {
  const FormatCase& test = GetParam();
  TBitmap bitmap(5, 3, test.format);
  EXPECT_EQ(bitmap.BytesPerPixel(), test.bytesPerPixel);
  EXPECT_EQ(bitmap.RowDelta(), test.rowDelta);
  EXPECT_EQ(bitmap.ScanLine(1) - bitmap.ScanLine(0), test.rowDelta);

  // A pixel written through the rows is what GDI sees at that place...
  uint8_t* pixel = bitmap.ScanLine(0) + 2 * test.bytesPerPixel;
  pixel[0] = 0x30;  // blue
  pixel[1] = 0x20;  // green
  pixel[2] = 0x10;  // red
  EXPECT_EQ(GetPixel(bitmap.Canvas().Handle(), 2, 0), RGB(0x10, 0x20, 0x30));

  // ...and what GDI draws is in the rows.
  bitmap.Canvas().Brush().SetColor(RGB(0xAA, 0xBB, 0xCC));
  bitmap.Canvas().FillRect(RECT{4, 2, 5, 3});
  const uint8_t* drawn = bitmap.ScanLine(2) + 4 * test.bytesPerPixel;
  EXPECT_EQ(drawn[0], 0xCC);
  EXPECT_EQ(drawn[1], 0xBB);
  EXPECT_EQ(drawn[2], 0xAA);
}

INSTANTIATE_TEST_SUITE_P(TwentyFourAndThirtyTwoBits, BitmapFormats,
                         ::testing::Values(FormatCase{TPixelFormat::pf24bit, 3, -16},
                                           FormatCase{TPixelFormat::pf32bit, 4, -20}));

TEST(Bitmap, ResizingMakesANewPictureAndAnEmptySizeHasNone) {
  TBitmap bitmap(2, 2);
  bitmap.Canvas();
  bitmap.SetSize(7, 4);
  EXPECT_NE(bitmap.Handle(), nullptr);
  BITMAP info{};
  GetObjectW(bitmap.Handle(), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 7);
  EXPECT_EQ(info.bmHeight, 4);
  EXPECT_EQ(GetCurrentObject(bitmap.Canvas().Handle(), OBJ_BITMAP), bitmap.Handle());
  bitmap.SetPixelFormat(TPixelFormat::pf32bit);
  GetObjectW(bitmap.Handle(), sizeof info, &info);
  EXPECT_EQ(info.bmBitsPixel, 32);
  EXPECT_EQ(bitmap.RowDelta(), -28);
  bitmap.SetSize(0, 4);
  EXPECT_EQ(bitmap.Handle(), nullptr);
  EXPECT_THROW(bitmap.ScanLine(0), std::out_of_range);
}

}  // namespace
}  // namespace sundrel
