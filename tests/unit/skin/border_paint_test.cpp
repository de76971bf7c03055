// Border images painted as nine pieces: fitting the strips, selecting the cell, tiling and
// stretching, and what corner holes show.
#include <gtest/gtest.h>

#include <vector>

#include "mask_fixture.h"
#include "paint/blend.h"
#include "skin/mask/border_slices.h"
#include "skin/mask/mask_rect.h"

namespace sundrel {
namespace {

using namespace testing;  // the pixel and mask fixtures

TEST(FitBorderWidths, SharesTheShortfallBetweenTheStripsTheRightAndBottomGivingTheOddPixel) {
  struct Case {
    int size, first, second, fittedFirst, fittedSecond;
  };
  const Case cases[] = {
      {12, 6, 6, 6, 6},                    // fits: unchanged
      {10, 6, 6, 5, 5},                    // (12 - 10) div 2 from each
      {9, 6, 6, 5, 4},                     // odd width: one more from the right
      {1, 4, 0, 3, 0},                     // the right strip stays at least 0
      {0, 6, 6, 0, 0},  {5, -3, 2, 0, 2},  // a negative strip counts as 0
  };
  for (const Case& c : cases) {
    TsMaskData mask;
    mask.WL = mask.WT = c.first;
    mask.WR = mask.WB = c.second;
    const TacBorderWidths fitted = FitBorderWidths(mask, c.size, c.size);
    EXPECT_EQ(fitted, (TacBorderWidths{c.fittedFirst, c.fittedFirst, c.fittedSecond, c.fittedSecond}))
        << "size " << c.size << ", strips " << c.first << " and " << c.second;
  }
}

// Three 4 x 4 cells side by side, 1-pixel strips: the middle piece is 2 x 2.
class NineSlice : public ::testing::Test {
 protected:
  static constexpr int kCell = 4;
  TacMemBitmap master = CodedPicture(3 * kCell, kCell);
  TacMemBitmap bitmap = SolidBitmap(9, 8, kBackground);
  const TRect target{1, 1, 8, 7};  // 7 x 6

  // The cell column (or row) that target offset i of a strip of the given length shows.
  static int SourceOffset(int i, int length) {
    if (i == 0) return 0;
    if (i == length - 1) return kCell - 1;
    return 1 + (i - 1) % 2;
  }
  // What the bitmap should hold at (x, y) after painting the cell, the centre left alone unless
  // withCentre.
  TColor Expected(int x, int y, int cell, bool withCentre) const {
    const int i = x - target.Left, j = y - target.Top;
    if (i < 0 || j < 0 || i >= target.Width() || j >= target.Height()) return kBackground;
    const bool centre = i > 0 && j > 0 && i < target.Width() - 1 && j < target.Height() - 1;
    if (centre && !withCentre) return kBackground;
    return Coded(cell * kCell + SourceOffset(i, target.Width()), SourceOffset(j, target.Height()));
  }
  void ExpectPainted(int cell, bool withCentre) const {
    for (int y = 0; y < bitmap.Height(); ++y) {
      for (int x = 0; x < bitmap.Width(); ++x) {
        ASSERT_EQ(bitmap.Pixel(x, y), Expected(x, y, cell, withCentre)) << "at " << x << "," << y;
      }
    }
  }
};

TEST_F(NineSlice, TilesTheStatesCellAndFillsTheCentreOnlyWhenAskedAndAllowed) {
  struct Case {
    int state, cell, stretchMode;
    bool fillCentre, centreDrawn;
  };
  const Case cases[] = {
      {0, 0, 4, true, true},   {1, 1, 4, true, true},
      {2, 2, 0, true, false},  {5, 2, 4, true, true},  // beyond the last cell: the last cell, placed as the last cell
      {1, 1, 4, false, false}, {-1, 0, 0, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "state " << c.state << ", mode " << c.stretchMode);
    testing::FillPixels(bitmap.Pixels(), kBackground);
    const TsMaskData mask = MasterRecord(master, 3, 0, 1, c.stretchMode);
    DrawMaskRect(bitmap.Pixels(), target, c.fillCentre, {}, mask, &master, c.state, false);
    ExpectPainted(c.cell, c.centreDrawn);
  }
}

TEST_F(NineSlice, ImagesWithAMaskAreBlendedAndTiledTheSameWay) {
  TacMemBitmap masked = CodedPicture(3 * kCell, kCell, /*withMask=*/true);
  const TsMaskData mask = MasterRecord(masked, 3, 1, 1, 5);  // bit 1 (stretch) has no effect here
  DrawMaskRect(bitmap.Pixels(), target, true, {}, mask, &masked, 1, false);
  ExpectPainted(1, true);
}

TEST_F(NineSlice, AHotOnlyBorderIsLeftOutInState0) {
  const TsMaskData mask = MasterRecord(master, 3, 0, 1, 2 | 4);
  DrawMaskRect(bitmap.Pixels(), target, true, {}, mask, &master, 0, false);
  EXPECT_EQ(testing::AllPixels(bitmap.Pixels()), testing::AllPixels(SolidBitmap(9, 8, kBackground).Pixels()));
  DrawMaskRect(bitmap.Pixels(), target, true, {}, mask, &master, 1, false);
  ExpectPainted(1, true);
}

TEST_F(NineSlice, StretchesTheEdgesOfAnImageWithoutMask) {
  // Mode 1: the top edge's two middle pixels are spread over the five between the corners.
  const TsMaskData mask = MasterRecord(master, 3, 0, 1, 1);
  DrawMaskRect(bitmap.Pixels(), target, false, {}, mask, &master, 0, false);
  std::vector<TColor> top;
  for (int x = 1; x < 8; ++x) top.push_back(bitmap.Pixel(x, 1));
  // Columns 1 and 2 of the cell are red 11 and 12; growing 2 -> 5 interpolates between them.
  const std::vector<int> reds{10, 11, 11, 12, 12, 12, 13};
  for (size_t i = 0; i < top.size(); ++i) {
    EXPECT_EQ(RedOf(top[i]), reds[i]) << i;
    EXPECT_EQ(GreenOf(top[i]), 20) << i;
  }
  EXPECT_EQ(bitmap.Pixel(4, 4), kBackground);  // no centre without bit 4
}

TEST(DrawMaskRect, AStretchedEdgeShorterThanItsPieceShowsTheWholePieceSqueezed) {
  // One 8 x 4 cell with 1-pixel strips: the top edge's piece is columns 1 to 6 (red 11 to 16),
  // squeezed into the 3 pixels between the corners of a 5-pixel-wide target.
  TacMemBitmap master = CodedPicture(8, 4);
  const TsMaskData mask = MasterRecord(master, 1, 0, 1, 1);
  TacMemBitmap bitmap = SolidBitmap(5, 4, kBackground);
  DrawMaskRect(bitmap.Pixels(), {0, 0, 5, 4}, false, {}, mask, &master, 0, false);
  EXPECT_LE(RedOf(bitmap.Pixel(1, 0)), 12);
  EXPECT_GE(RedOf(bitmap.Pixel(3, 0)), 15);  // the piece's far end, not its third column
}

TEST_F(NineSlice, ATargetSmallerThanTheStripsShowsTheCellsOuterColumns) {
  // 6 x 6 cells with 2-pixel strips on a 3 x 3 target: wl = 2, wr = 1.
  TacMemBitmap big = CodedPicture(6, 6);
  const TsMaskData mask = MasterRecord(big, 1, 0, 2);
  TacMemBitmap small = SolidBitmap(3, 3, kBackground);
  DrawMaskRect(small.Pixels(), {0, 0, 3, 3}, true, {}, mask, &big, 0, false);
  const int column[] = {0, 1, 5};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(small.Pixel(x, y), Coded(column[x], column[y])) << x << "," << y;
  }
}

TEST(DrawMaskRect, DamagedRecordsAndTinyTargetsPaintNothingAndReturn) {
  TacMemBitmap master = CodedPicture(12, 4);
  struct Case {
    const char* what;
    TRect r;
    int imageCount, maskType, strip;
    TRect target;
    bool withManager;
    bool paints;
  };
  const Case cases[] = {
      {"cells of width 0", {0, 0, 2, 4}, 3, 0, 0, {0, 0, 8, 8}, true, false},
      {"cells of height 0", {0, 0, 12, 1}, 3, 1, 0, {0, 0, 8, 8}, true, false},
      {"strips wider than the cell", {0, 0, 12, 4}, 3, 0, 9, {0, 0, 20, 20}, true, false},
      {"rectangle outside the master", {40, 40, 52, 44}, 3, 0, 1, {0, 0, 8, 8}, true, false},
      {"no manager", {0, 0, 12, 4}, 3, 0, 1, {0, 0, 8, 8}, false, false},
      {"target 1 pixel wide", {0, 0, 12, 4}, 3, 0, 1, {0, 0, 1, 8}, true, false},
      // Only the copies that reach the bitmap are made: the visible rows still get their pieces.
      {"target far wider than the bitmap", {0, 0, 12, 4}, 3, 0, 1, {-1000000000, 5, 1000000000, 8}, true, true},
  };
  for (const Case& c : cases) {
    TsMaskData mask = MasterRecord(master, c.imageCount, c.maskType, c.strip, 4);
    mask.R = c.r;
    TacMemBitmap bitmap = SolidBitmap(8, 8, kBackground);
    DrawMaskRect(bitmap.Pixels(), c.target, true, {}, mask, c.withManager ? &master : nullptr, 0, false);
    int changed = 0;
    for (TColor pixel : testing::AllPixels(bitmap.Pixels())) changed += pixel != kBackground;
    EXPECT_EQ(changed > 0, c.paints) << c.what;
  }
}

TEST(DrawMaskRect, CountsOfZeroAreTakenAsOne) {
  // An "!", "@" or "#" value may give ImageCount 0 and MaskType -1: one cell over all of R.
  TacMemBitmap master = CodedPicture(4, 4);
  const TsMaskData mask = MasterRecord(master, 0, -1, 1, 4);
  TacMemBitmap bitmap = SolidBitmap(4, 4, kBackground);
  DrawMaskRect(bitmap.Pixels(), {0, 0, 4, 4}, true, {}, mask, &master, 2, false);
  EXPECT_EQ(testing::AllPixels(bitmap.Pixels()), testing::AllPixels(master.Pixels()));
}

// A 3 x 3 border cell whose top-left corner pixel is a hole, painted at (2, 1) of a 6 x 5 bitmap.
class CornerHole : public ::testing::Test {
 protected:
  static constexpr TColor kFill = RGBColor(90, 91, 92);
  TacMemBitmap parent = Numbered();

  static TacMemBitmap Numbered() {
    TacMemBitmap numbered = NewBitmap24(4, 4);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) SetPixelAt(numbered.Pixels(), x, y, RGBColor(100 + x, 100 + y, 0));
    }
    return numbered;
  }
  static TsMaskData Record(int maskType) {
    TacMemBitmap picture = CodedPicture(3, 3, maskType == 1);
    SetPixelAt(picture.Pixels(), 0, 0, clFuchsia);
    return OwnRecord(std::move(picture), 1, maskType, 1);
  }
  static TColor HoleAfter(const TsMaskData& mask, const TacParentImage& parent, bool useParent) {
    TacMemBitmap bitmap = SolidBitmap(6, 5, kBackground);
    const TacMemBitmap anyMaster;
    DrawMaskRect(bitmap.Pixels(), {2, 1, 5, 4}, false, parent, mask, &anyMaster, 0, useParent);
    EXPECT_EQ(bitmap.Pixel(3, 1), Coded(1, 0)) << "the rest of the corner row is drawn";
    return bitmap.Pixel(2, 1);
  }
};

TEST_F(CornerHole, OfAMaskedImageShowsTheParentElseKeyFillColor) {
  const TsMaskData mask = Record(1);
  // The hole at (2, 1) takes the parent's pixel at (X + 2, Y + 1) where the parent has one.
  EXPECT_EQ(HoleAfter(mask, {parent.Pixels(), 1, 2, true}, false), RGBColor(103, 103, 0));
  TacMemBitmap parent32 = NewBitmap32(4, 4);
  SetPixelAt(parent32.Pixels(), 2, 1, RGBColor(7, 8, 9));
  EXPECT_EQ(HoleAfter(mask, {parent32.Pixels(), 0, 0, true}, false), RGBColor(7, 8, 9));
  // Every edge of the parent is checked: outside it, the hole keeps what the bitmap had.
  for (TPoint offset : {TPoint{-3, 0}, TPoint{0, -2}, TPoint{2, 0}, TPoint{0, 3}}) {
    EXPECT_EQ(HoleAfter(mask, {parent.Pixels(), offset.X, offset.Y, true}, false), kBackground)
        << offset.X << "," << offset.Y;
  }
  EXPECT_EQ(HoleAfter(mask, {}, false), clFuchsia) << "no parent, KeyFillColor unset: the hole stays";
  const testing::KeyFillScope keyFill(kFill);
  EXPECT_EQ(HoleAfter(mask, {}, false), kFill);
}

TEST_F(CornerHole, OfAnImageWithoutMaskShowsTheParentOnlyWhenAskedTo) {
  const TsMaskData mask = Record(0);
  EXPECT_EQ(HoleAfter(mask, {parent.Pixels(), 1, 2, true}, true), RGBColor(103, 103, 0));
  EXPECT_EQ(HoleAfter(mask, {parent.Pixels(), 1, 2, true}, false), kBackground);
  EXPECT_EQ(HoleAfter(mask, {parent.Pixels(), 1, 2, false}, true), kBackground);
}

}  // namespace
}  // namespace sundrel
