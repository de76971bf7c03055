// Glyph cells and textures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mask_fixture.h"
#include "paint/blend.h"
#include "skin/mask/mask_glyph.h"
#include "skin/mask/texture.h"

namespace sundrel {
namespace {

using namespace testing;  // the pixel and mask fixtures

constexpr TColor Grey(int v) {
  return RGBColor(v, v, v);
}

TEST(DrawMaskGlyph, AFadedGlyphRaisesEveryMaskValueBy100) {
  struct Case {
    int mask, normalMask, fadedMask;
  };
  const Case cases[] = {{0, 0, 100}, {59, 59, 159}, {155, 155, 255}, {160, 160, 255}, {255, 255, 255}};
  for (const Case& c : cases) {
    // One 1 x 1 cell of grey 200 over its mask, drawn over grey 40.
    TsMaskData mask = OwnRecord(testing::BitmapOf(1, 2, {Grey(200), Grey(c.mask)}), 1, 1, 0);
    for (int drawMode : {kGlyphNormal, 0, 2}) {
      TacMemBitmap bitmap = SolidBitmap(2, 2, Grey(40));
      const TacMemBitmap anyMaster;
      DrawMaskGlyph(bitmap.Pixels(), {1, 1}, 0, mask, &anyMaster, drawMode);
      const int used = drawMode == kGlyphNormal ? c.normalMask : c.fadedMask;
      EXPECT_EQ(bitmap.Pixel(1, 1), Grey(MaskBlend(200, 40, static_cast<uint8_t>(used))))
          << "mask " << c.mask << ", draw mode " << drawMode;
    }
  }
}

TEST(DrawMaskGlyph, DrawsTheStatesCellWithoutItsHolesAndOnlyItsVisiblePart) {
  // Two 2 x 2 cells with masks; the second cell's top-right pixel is a hole.
  TacMemBitmap picture = CodedPicture(4, 2, /*withMask=*/true);
  SetPixelAt(picture.Pixels(), 3, 0, clFuchsia);
  TacMemBitmap master = picture;
  for (bool own : {true, false}) {
    const TsMaskData mask = own ? OwnRecord(picture, 2, 1, 0) : MasterRecord(master, 2, 1, 0);
    TacMemBitmap bitmap = SolidBitmap(3, 3, kBackground);
    DrawMaskGlyph(bitmap.Pixels(), {1, 1}, 7, mask, &master, kGlyphNormal);
    EXPECT_EQ(testing::AllPixels(bitmap.Pixels()),
              (std::vector<TColor>{kBackground, kBackground, kBackground, kBackground, Coded(2, 0), kBackground,
                                   kBackground, Coded(2, 1), Coded(3, 1)}))
        << (own ? "own picture" : "master bitmap");
    TacMemBitmap corner = SolidBitmap(2, 2, kBackground);
    DrawMaskGlyph(corner.Pixels(), {-1, -1}, 1, mask, &master, kGlyphNormal);
    EXPECT_EQ(testing::AllPixels(corner.Pixels()),
              (std::vector<TColor>{Coded(3, 1), kBackground, kBackground, kBackground}));
  }
}

TEST(DrawMaskGlyph, AGlyphWithoutMaskIsKeyedAndFadedHalfOverTheBitmap) {
  TacMemBitmap master = testing::BitmapOf(2, 2, {Grey(200), clFuchsia, Grey(100), Grey(0)});
  struct Case {
    const char* what;
    bool own;
    int imageCount, drawMode;
    std::vector<TColor> expected;
  };
  const Case cases[] = {
      {"master, normal", false, 1, kGlyphNormal, {Grey(200), Grey(40), Grey(100), Grey(0)}},
      {"master, faded", false, 1, 0, {Grey(120), Grey(40), Grey(70), Grey(20)}},
      {"own picture, faded: copied", true, 1, 0, {Grey(200), Grey(40), Grey(100), Grey(0)}},
      {"master, no cells", false, 0, kGlyphNormal, {Grey(40), Grey(40), Grey(40), Grey(40)}},
  };
  for (const Case& c : cases) {
    const TsMaskData mask = c.own ? OwnRecord(master, c.imageCount, 0, 0) : MasterRecord(master, c.imageCount, 0, 0);
    TacMemBitmap bitmap = SolidBitmap(2, 2, Grey(40));
    DrawMaskGlyph(bitmap.Pixels(), {0, 0}, 0, mask, &master, c.drawMode);
    EXPECT_EQ(testing::AllPixels(bitmap.Pixels()), c.expected) << c.what;
  }
}

// Draws a 2 x 2 cell (pixels a b / c d) as a texture into the 5 x 5 area of a 6 x 6 bitmap and
// returns the bitmap as text: the cell's letters, "*" for a stretched pixel, "." for untouched.
class TextureModes : public ::testing::Test {
 protected:
  // Far apart, so that no stretched pixel rounds to one of them.
  static constexpr TColor kCell[] = {Grey(0), Grey(60), Grey(200), Grey(250)};
  TacMemBitmap master = testing::BitmapOf(2, 2, {kCell[0], kCell[1], kCell[2], kCell[3]});

  std::vector<std::string> Draw(int mode, TRect& area) const {
    TacMemBitmap bitmap = SolidBitmap(6, 6, kBackground);
    DrawTexture(bitmap.Pixels(), area, {}, mode, MasterRecord(master, 1, 0, 0), &master);
    std::vector<std::string> rows;
    for (int y = 0; y < 6; ++y) {
      std::string row;
      for (int x = 0; x < 6; ++x) row += Letter(bitmap.Pixel(x, y));
      rows.push_back(row);
    }
    return rows;
  }
  static char Letter(TColor pixel) {
    if (pixel == kBackground) return '.';
    for (int i = 0; i < 4; ++i) {
      if (pixel == kCell[i]) return static_cast<char>('a' + i);
    }
    return '*';
  }
};

TEST_F(TextureModes, EachModeCoversItsPartAndReportsTheRest) {
  struct Case {
    int mode;
    std::vector<std::string> rows;
    TRect uncovered;
  };
  const TRect none{0, 0, 0, 0};
  const Case cases[] = {
      {0, {"ababa.", "cdcdc.", "ababa.", "cdcdc.", "ababa.", "......"}, none},
      {2, {"ababa.", "cdcdc.", "......", "......", "......", "......"}, {0, 2, 5, 5}},
      {3, {"ab....", "cd....", "ab....", "cd....", "ab....", "......"}, {2, 0, 5, 5}},
      {6, {"......", "......", "......", "ababa.", "cdcdc.", "......"}, {0, 0, 5, 3}},
      {7, {"...ab.", "...cd.", "...ab.", "...cd.", "...ab.", "......"}, {0, 0, 3, 5}},
      {99, {"...ab.", "...cd.", "...ab.", "...cd.", "...ab.", "......"}, {0, 0, 3, 5}},
      {10, {"ababa.", "cdcdc.", "ababa.", "cdcdc.", "......", "......"}, none},
      {1, {"a***b.", "*****.", "*****.", "*****.", "c***d.", "......"}, none},
      {4, {"a***b.", "c***d.", "......", "......", "......", "......"}, {0, 2, 5, 5}},
      {5, {"ab....", "**....", "**....", "**....", "cd....", "......"}, {2, 0, 5, 5}},
  };
  for (const Case& c : cases) {
    TRect area{0, 0, 5, 5};
    EXPECT_EQ(Draw(c.mode, area), c.rows) << "mode " << c.mode;
    EXPECT_EQ(area, c.uncovered) << "mode " << c.mode;
  }
}

TEST_F(TextureModes, APictureOfItsOwnIsTiledOverEverything) {
  TacMemBitmap bitmap = SolidBitmap(6, 6, kBackground);
  TacMemBitmap picture = testing::BitmapOf(2, 1, {Coded(0, 0), Coded(1, 1)});
  TRect area{1, 1, 6, 6};
  DrawTexture(bitmap.Pixels(), area, picture.Pixels(), 2, {}, nullptr);
  EXPECT_TRUE(area.IsEmpty());
  EXPECT_EQ(bitmap.Pixel(0, 0), kBackground);
  EXPECT_EQ(bitmap.Pixel(5, 5), Coded(0, 0));
  EXPECT_EQ(bitmap.Pixel(4, 5), Coded(1, 1));
}

TEST_F(TextureModes, NothingDrawnLeavesTheWholeAreaUncovered) {
  TacMemBitmap bitmap = SolidBitmap(6, 6, kBackground);
  TRect area{0, 0, 5, 5};
  DrawTexture(bitmap.Pixels(), area, {}, 0, MasterRecord(master, 1, 0, 0), nullptr);
  EXPECT_EQ(area, (TRect{0, 0, 5, 5})) << "no skin";
  DrawTexture(bitmap.Pixels(), area, {}, 0, MasterRecord(master, 3, 0, 0), &master);
  EXPECT_EQ(area, (TRect{0, 0, 5, 5})) << "cells 0 pixels wide";
}

// A 4 x 4 cell with masks whose pixel (1, 1) is a hole, over a 10 x 10 target at (1, 1).
class MaskedTexture : public ::testing::Test {
 protected:
  static constexpr TColor kFill = RGBColor(90, 91, 92);
  TacMemBitmap master = HoledCell();
  TacMemBitmap parent = SolidBitmap(12, 12, RGBColor(5, 6, 7));

  static TacMemBitmap HoledCell() {
    TacMemBitmap cell = CodedPicture(4, 4, true);
    SetPixelAt(cell.Pixels(), 1, 1, clFuchsia);
    return cell;
  }
  TacMemBitmap Draw(int mode, const TacParentImage& parentImage) const {
    TacMemBitmap bitmap = SolidBitmap(12, 12, kBackground);
    DrawMaskedTexture(bitmap.Pixels(), {1, 1, 11, 11}, parentImage, mode, MasterRecord(master, 1, 1, 0), &master);
    return bitmap;
  }
};

TEST_F(MaskedTexture, Mode10PlacesWholeRowsAndFillsTheStripsLeft) {
  const TColor parentPixel = RGBColor(5, 6, 7);
  const TacMemBitmap bitmap = Draw(tmWholeRows, {parent.Pixels(), 0, 0, true});
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      TColor expected = kBackground;
      if (x >= 1 && x < 11 && y >= 1 && y < 11) {
        const bool inStrips = x >= 9 || y >= 9;  // two whole rows and columns of 4 end at 9
        const int cx = (x - 1) % 4, cy = (y - 1) % 4;
        expected = inStrips || (cx == 1 && cy == 1) ? parentPixel : Coded(cx, cy);
      }
      ASSERT_EQ(bitmap.Pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(MaskedTexture, WithoutAParentHolesAndStripsTakeKeyFillColor) {
  const testing::KeyFillScope keyFill(kFill);
  const TacMemBitmap whole = Draw(tmWholeRows, {});
  EXPECT_EQ(whole.Pixel(2, 2), kFill);
  EXPECT_EQ(whole.Pixel(3, 10), kFill);
  EXPECT_EQ(whole.Pixel(10, 3), kFill);
  const TacMemBitmap tiled = Draw(tmTile, {});
  EXPECT_EQ(tiled.Pixel(2, 2), kFill);
  EXPECT_EQ(tiled.Pixel(3, 10), kBackground) << "no partial row";
  EXPECT_EQ(tiled.Pixel(10, 3), Coded(1, 2)) << "the last column cut";
  TacMemBitmap other = Draw(tmTileLeft, {});
  EXPECT_EQ(testing::AllPixels(other.Pixels()), testing::AllPixels(SolidBitmap(12, 12, kBackground).Pixels()));
}

}  // namespace
}  // namespace sundrel
