#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dib_fixture.h"
#include "paint/dc_paint_win32.h"

namespace sundrel {
namespace {

using testing::DibCanvas;

// The canvas as rows of letters, one per pixel, through a colour legend.
std::vector<std::string> Picture(const DibCanvas& canvas, int width, int height,
                                 std::initializer_list<std::pair<TColor, char>> legend) {
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      char letter = '?';
      for (const auto& [color, name] : legend) {
        if (canvas.Pixel(x, y) == color) letter = name;
      }
      row += letter;
    }
    rows.push_back(row);
  }
  return rows;
}

constexpr TColor kLight = RGBColor(250, 250, 250), kDark = RGBColor(60, 60, 60), kBack = RGBColor(0, 0, 128);

TEST(FillRectSolid, FillsTheRectangleAndLeavesTheContextAsItWas) {
  DibCanvas canvas(5, 4, 24, false, kBack);
  HBRUSH brush = CreateSolidBrush(RGB(1, 1, 1));
  HGDIOBJ previous = SelectObject(canvas.Dc(), brush);
  const COLORREF background = SetBkColor(canvas.Dc(), RGB(7, 7, 7));
  FillRectSolid(canvas.Dc(), {1, 1, 4, 3}, static_cast<TColor>(0xFF00000F));  // the button face colour
  const TColor face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(canvas.Pixel(1, 1), face);
  EXPECT_EQ(canvas.Pixel(3, 2), face);
  EXPECT_EQ(canvas.Pixel(4, 2), kBack);
  EXPECT_EQ(canvas.Pixel(1, 3), kBack);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), brush);
  EXPECT_EQ(GetBkColor(canvas.Dc()), RGB(7, 7, 7));
  SetBkColor(canvas.Dc(), background);
  SelectObject(canvas.Dc(), previous);
  DeleteObject(brush);
}

TEST(Bevel3DFrame, NestsLightTopLeftAndDarkBottomRightFrames) {
  DibCanvas canvas(8, 7, 24, false, kBack);
  Bevel3DFrame(canvas.Dc(), {1, 1, 7, 7}, kLight, 2, kDark);
  const std::vector<std::string> expected{
      "........",  //
      ".LLLLLD.",  //
      ".LLLLDD.",  //
      ".LL..DD.",  //
      ".LL..DD.",  //
      ".LDDDDD.",  //
      ".DDDDDD.",  //
  };
  EXPECT_EQ(Picture(canvas, 8, 7, {{kLight, 'L'}, {kDark, 'D'}, {kBack, '.'}}), expected);
}

TEST(DottedFocusFrame, EveryThirdEdgePixelBlackWithWhiteUpAndLeft) {
  DibCanvas canvas(9, 7, 24, false, kBack);
  DottedFocusFrame(canvas.Dc(), {1, 1, 8, 7});
  const std::vector<std::string> expected{
      "W..W..W..",  //
      ".B..B..B.",  //
      ".........",  //
      "W.....W..",  //
      ".B.....B.",  //
      "W..W..W..",  //
      ".B..B..B.",  //
  };
  EXPECT_EQ(Picture(canvas, 9, 7, {{clBlack, 'B'}, {clWhite, 'W'}, {kBack, '.'}}), expected);
}

TEST(CopyFrameStrips, CopiesTheBorderStripsWhereverTheBitmapsHaveThem) {
  DibCanvas source(10, 8, 24, false, kLight);
  DibCanvas destination(10, 8, 24, false, kBack);
  CopyFrameStrips(destination.Dc(), 1, 1, 8, 6, source.Dc(), 1, 1, 2);
  // The top strip runs two pixels past the rectangle's right edge and the right strip two past
  // its bottom, where the destination ends.
  const std::vector<std::string> expected{
      "..........",  //
      ".LLLLLLLLL",  //
      ".LLLLLLLLL",  //
      ".LL....LL.",  //
      ".LL....LL.",  //
      ".LLLLLLLL.",  //
      ".LLLLLLLL.",  //
      ".......LL.",  //
  };
  EXPECT_EQ(Picture(destination, 10, 8, {{kLight, 'L'}, {kBack, '.'}}), expected);

  // Only what the source holds is read: a source of 6 x 5 gives nothing right of or below it.
  DibCanvas small(6, 5, 24, false, kLight);
  DibCanvas cut(10, 8, 24, false, kBack);
  CopyFrameStrips(cut.Dc(), 1, 1, 8, 6, small.Dc(), 1, 1, 2);
  EXPECT_EQ(Picture(cut, 10, 8, {{kLight, 'L'}, {kBack, '.'}})[1], ".LLLLL....");
  EXPECT_EQ(Picture(cut, 10, 8, {{kLight, 'L'}, {kBack, '.'}})[5], "..........");
}

}  // namespace
}  // namespace sundrel
