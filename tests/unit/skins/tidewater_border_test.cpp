// The program's own skin: its "BUTTON" border painted at a button's size, as every button's
// picture starts.
#include <gtest/gtest.h>

#include <vector>

#include "paint/blend.h"
#include "skin/mask/mask_direct.h"
#include "skin/mask/mask_rect.h"
#include "skin/model/skin_model.h"
#include "tidewater_skin.h"

namespace sundrel {
namespace {

constexpr TColor kBackground = 0x00336699;
constexpr int kCell = 27, kStrip = 9, kWidth = 113, kHeight = 25;

using test::Tidewater;

class TidewaterButtonBorder : public ::testing::Test {
 protected:
  const SkinModel& skin = Tidewater();
  const TacMemBitmap& master = skin.MasterBitmap();
  int index = skin.GetMaskIndexDirect("BUTTON", "BORDERSMASK");

  void SetUp() override {
    ASSERT_GE(index, 0);
    ASSERT_EQ(skin.Masks()[index].R, (TRect{0, 0, 3 * kCell, 2 * kCell}));
  }

  // The cell column (or row) that offset i of a side of the given length shows: the strips at
  // both ends, the 9-pixel middle tiled between them.
  static int CellOffset(int i, int length) {
    if (i < kStrip) return i;
    if (i >= length - kStrip) return kCell - (length - i);
    return kStrip + (i - kStrip) % kStrip;
  }
  static bool InCorner(int x, int y) {
    return (x < kStrip || x >= kWidth - kStrip) && (y < kStrip || y >= kHeight - kStrip);
  }
  // The master pixel mask-blended over the background, as its mask below it says.
  TColor Blended(int sx, int sy, TColor background = kBackground) const {
    const TColor skinPixel = master.Pixel(sx, sy), mask = master.Pixel(sx, sy + kCell);
    auto channel = [&](int shift) {
      return MaskBlend(static_cast<uint8_t>(skinPixel >> shift), static_cast<uint8_t>(background >> shift),
                       static_cast<uint8_t>(mask >> shift));
    };
    return channel(0) | (channel(8) << 8) | (channel(16) << 16);
  }
  TColor Expected(int x, int y, int cell) const {
    const int sx = cell * kCell + CellOffset(x, kWidth), sy = CellOffset(y, kHeight);
    if (InCorner(x, y) && master.Pixel(sx, sy) == clFuchsia) return clFuchsia;  // a hole, KeyFillColor unset
    return Blended(sx, sy);
  }
  int CornerHoles(int cell) const {
    int holes = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        holes +=
            InCorner(x, y) && master.Pixel(cell * kCell + CellOffset(x, kWidth), CellOffset(y, kHeight)) == clFuchsia;
      }
    }
    return holes;
  }
};

TEST_F(TidewaterButtonBorder, At113By25TheCornersAreKeyedAndEveryPixelComesFromTheStatesCell) {
  const TsMaskData& mask = skin.Masks()[index];
  for (int state : {0, 1, 2, 5}) {
    const int cell = std::min(state, 2);
    ASSERT_GT(CornerHoles(cell), 0) << "the button's corners are rounded by holes";
    TacMemBitmap bitmap = NewBitmap24(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) bitmap.SetPixel(x, y, kBackground);
    }
    DrawMaskRect(bitmap.Pixels(), {0, 0, kWidth, kHeight}, true, {}, mask, &master, state, false);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        ASSERT_EQ(bitmap.Pixel(x, y), Expected(x, y, cell)) << "state " << state << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(TidewaterButtonBorder, PaintedDirectlyItsCornerHolesLeaveTheButtonsRegion) {
  const TsMaskData& mask = skin.Masks()[index];
  TacMemBitmap bitmap = NewBitmap24(kWidth, kHeight);
  std::vector<TRect> holes;
  PaintMaskDirect(bitmap.Pixels(), &holes, true, 1, mask, &master);
  int area = 0;
  for (const TRect& run : holes) {
    EXPECT_EQ(run.Height(), 1);
    for (int x = run.Left; x < run.Right; ++x) EXPECT_TRUE(InCorner(x, run.Top)) << x << "," << run.Top;
    area += run.Width();
  }
  EXPECT_EQ(area, CornerHoles(1));
  // The new bitmap is black: edges and centre are the hot cell blended over black.
  for (TPoint p : {TPoint{56, 0}, TPoint{0, 12}, TPoint{56, 12}, TPoint{112, 12}, TPoint{56, 24}}) {
    EXPECT_EQ(bitmap.Pixel(p.X, p.Y), Blended(kCell + CellOffset(p.X, kWidth), CellOffset(p.Y, kHeight), 0))
        << p.X << "," << p.Y;
  }
}

}  // namespace
}  // namespace sundrel
