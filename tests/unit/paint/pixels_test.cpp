#include "paint/pixels.h"

#include <gtest/gtest.h>

#include "paint/fast_access.h"
#include "pixel_fixture.h"

namespace sundrel {
namespace {

TEST(MemBitmap, RowsArePaddedAndMayRunBottomUp) {
  TacMemBitmap topDown = NewBitmap24(5, 3);
  TacMemBitmap bottomUp(5, 3, 3, /*bottomUp=*/true);
  EXPECT_EQ(topDown.Pixels().RowDelta, 16);  // 15 bytes padded to 16
  EXPECT_EQ(bottomUp.Pixels().RowDelta, -16);
  EXPECT_EQ(NewBitmap32(5, 3).Pixels().RowDelta, 20);
  // Row 0 of a bottom-up bitmap is the last one in memory.
  EXPECT_EQ(bottomUp.Pixels().Row(2) + 2 * 16, bottomUp.Pixels().Row0);
  EXPECT_EQ(testing::PixelAt(topDown.Pixels(), 4, 2), clBlack);

  // A bitmap that a decoder fills is laid out alike, its padding cleared (AddressSanitizer fills
  // fresh memory with non-zero bytes, so a padding left as it came shows there).
  TacMemBitmap toFill = TacMemBitmap::ToFill(5, 3, 3);
  EXPECT_EQ(toFill.Pixels().RowDelta, 16);
  for (int y = 0; y < 3; ++y) EXPECT_EQ(toFill.Row(y)[15], 0) << y;

  TacMemBitmap empty = NewBitmap24(-3, 4);
  EXPECT_EQ(empty.Width(), 0);
  EXPECT_FALSE(empty.Pixels().Is24Bit());
}

TEST(MemBitmap, CopiesOwnTheirPixelsAndMovesLeaveTheSourceEmpty) {
  for (bool bottomUp : {false, true}) {
    TacMemBitmap original = testing::BitmapOf(2, 2, {1, 2, 3, 4}, bottomUp);
    TacMemBitmap copy = original;
    copy.SetPixel(0, 1, RGBColor(10, 20, 30));
    EXPECT_EQ(original.Pixel(0, 1), 3);
    EXPECT_EQ(copy.Pixel(0, 1), RGBColor(10, 20, 30));
    EXPECT_EQ(copy.Pixels().RowDelta, original.Pixels().RowDelta);
    EXPECT_EQ(testing::PixelAt(copy.Pixels(), 1, 0), 2);

    const uint8_t* row0 = copy.Pixels().Row0;
    TacMemBitmap moved = std::move(copy);
    EXPECT_EQ(moved.Pixels().Row0, row0);  // views of the pixels stay good
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Width(), 0);
    copy = moved;
    EXPECT_EQ(copy.Pixel(0, 1), RGBColor(10, 20, 30));
  }
  EXPECT_TRUE(TacMemBitmap().Empty());
}

TEST(MemBitmap, SetPixelLeavesTheFourthByteAlone) {
  TacMemBitmap bitmap = testing::BitmapOf(2, 2, {1, 2, 3, 4}, false, 4);
  bitmap.SetPixel(1, 1, RGBColor(10, 20, 30));
  EXPECT_EQ(bitmap.Pixel(1, 1), RGBColor(10, 20, 30));
  EXPECT_EQ(bitmap.Row(1)[7], 0x5A);  // as the fixture wrote it
}

TEST(FastAccess, AttachNeedsTwoByTwoPixelsOfItsFormat) {
  struct Case {
    int width, height, bytesPerPixel;
    bool fast24, fast32;
  };
  const Case cases[] = {
      {2, 2, 3, true, false}, {1, 5, 3, false, false}, {5, 1, 3, false, false},
      {2, 2, 4, false, true}, {1, 1, 4, false, false},
  };
  for (const Case& c : cases) {
    TacMemBitmap bitmap(c.width, c.height, c.bytesPerPixel);
    TacFast24 fast24;
    TacFast32 fast32;
    EXPECT_EQ(fast24.Attach(bitmap.Pixels()), c.fast24) << c.width << "x" << c.height << "x" << c.bytesPerPixel;
    EXPECT_EQ(fast32.Attach(bitmap.Pixels()), c.fast32) << c.width << "x" << c.height << "x" << c.bytesPerPixel;
    if (!c.fast24) {
      EXPECT_EQ(fast24.Width, 0);
    }
  }
}

TEST(FastAccess, PixelsReadAsColoursWhicheverWayRowsRun) {
  for (bool bottomUp : {false, true}) {
    TacMemBitmap bitmap24 = testing::BitmapOf(2, 2, {1, 2, RGBColor(10, 20, 30), 4}, bottomUp);
    TacMemBitmap bitmap32 = testing::BitmapOf(2, 2, {1, 2, RGBColor(10, 20, 30), 4}, bottomUp, 4);
    TacFast24 fast24;
    TacFast32 fast32;
    ASSERT_TRUE(fast24.Attach(bitmap24.Pixels()));
    ASSERT_TRUE(fast32.Attach(bitmap32.Pixels()));
    EXPECT_EQ(fast24.Pixel(0, 1), RGBColor(10, 20, 30));
    EXPECT_EQ(fast32.Pixel(0, 1), RGBColor(10, 20, 30));  // the fourth byte is not part of the colour
    EXPECT_EQ(fast24.Pixel(1, 0), 2);
  }
}

TEST(FastAccess, SumAttachesTwoBitmapsAtTheirCommonSize) {
  TacMemBitmap a = NewBitmap24(5, 3), b = NewBitmap24(4, 6), thin = NewBitmap24(1, 6), wide = NewBitmap32(4, 6);
  TacFastSum24 sum;
  ASSERT_TRUE(sum.Attach(a.Pixels(), b.Pixels()));
  EXPECT_EQ(sum.Width, 4);
  EXPECT_EQ(sum.Height, 3);
  EXPECT_FALSE(sum.Attach(a.Pixels(), thin.Pixels()));
  EXPECT_FALSE(sum.Attach(wide.Pixels(), a.Pixels()));
}

}  // namespace
}  // namespace sundrel
