// A border image as a button's whole picture with its window region, corner repair on a finished
// picture, and the corner holes of a frame's region.
#include <gtest/gtest.h>

#include <vector>

#include "mask_fixture.h"
#include "skin/mask/corner_holes.h"
#include "skin/mask/corner_repair.h"
#include "skin/mask/mask_direct.h"

namespace sundrel {
namespace {

using namespace testing;  // the pixel and mask fixtures

// One 6 x 6 cell with 2-pixel strips and a mask; holes in its corners: top-left (0, 0), (1, 0)
// and (0, 1); top-right (5, 0); bottom-left (0, 5); bottom-right (4, 5) and (5, 5).
TacMemBitmap HoledBorder(bool withMask) {
  TacMemBitmap picture = CodedPicture(6, 6, withMask);
  for (TPoint hole :
       {TPoint{0, 0}, TPoint{1, 0}, TPoint{0, 1}, TPoint{5, 0}, TPoint{0, 5}, TPoint{4, 5}, TPoint{5, 5}}) {
    SetPixelAt(picture.Pixels(), hole.X, hole.Y, clFuchsia);
  }
  return picture;
}

TEST(PaintMaskDirect, LeavesCornerHolesAndCutsTheirRunsOutOfTheRegion) {
  TacMemBitmap master = HoledBorder(true);
  const TsMaskData mask = MasterRecord(master, 1, 1, 2, 4);
  TacMemBitmap bitmap = SolidBitmap(10, 7, kBackground);
  std::vector<TRect> holes;
  PaintMaskDirect(bitmap.Pixels(), &holes, true, 0, mask, &master);
  EXPECT_EQ(holes, (std::vector<TRect>{{0, 0, 2, 1}, {0, 1, 1, 2}, {0, 6, 1, 7}, {8, 6, 10, 7}, {9, 0, 10, 1}}));
  EXPECT_EQ(bitmap.Pixel(0, 0), kBackground);
  EXPECT_EQ(bitmap.Pixel(9, 6), kBackground);
  EXPECT_EQ(bitmap.Pixel(1, 1), Coded(1, 1));
  EXPECT_EQ(bitmap.Pixel(8, 0), Coded(4, 0));
  EXPECT_EQ(bitmap.Pixel(5, 0), Coded(3, 0)) << "top edge tiled: 2, 3, 2, 3, 2, 3";
  EXPECT_EQ(bitmap.Pixel(5, 3), Coded(3, 3)) << "centre tiled";
}

TEST(PaintMaskDirect, PaintsWithoutRegionAndTakesNoCellCountAsOneCell) {
  const TsMaskData mask = OwnRecord(HoledBorder(false), 0, 0, 2, 0);
  TacMemBitmap bitmap = SolidBitmap(6, 6, kBackground);
  const TacMemBitmap anyMaster;
  PaintMaskDirect(bitmap.Pixels(), nullptr, true, 2, mask, &anyMaster);
  EXPECT_EQ(bitmap.Pixel(0, 0), kBackground);
  EXPECT_EQ(bitmap.Pixel(2, 0), Coded(2, 0));
  EXPECT_EQ(bitmap.Pixel(2, 2), kBackground) << "no centre without bit 4";
  TacMemBitmap untouched = SolidBitmap(6, 6, kBackground);
  PaintMaskDirect(untouched.Pixels(), nullptr, true, 0, mask, nullptr);
  EXPECT_EQ(untouched.Pixel(2, 0), kBackground) << "no skin";
}

TEST(RepairCorners, PutsTheFillOrTheParentIntoTheHolesOfTheChosenCorners) {
  TacMemBitmap master = HoledBorder(true);
  const TsMaskData mask = MasterRecord(master, 1, 1, 2);
  constexpr TColor kFill = RGBColor(90, 91, 92);
  TacMemBitmap parent = SolidBitmap(20, 20, RGBColor(5, 6, 7));
  SetPixelAt(parent.Pixels(), 3 + 9, 4 + 0, RGBColor(50, 60, 70));

  TacMemBitmap cache = SolidBitmap(10, 7, kBackground);
  RepairCorners(cache.Pixels(), mask, &master, 0, kCornerTopLeft | kCornerTopRight, kFill, {});
  EXPECT_EQ(cache.Pixel(0, 0), kFill);
  EXPECT_EQ(cache.Pixel(1, 0), kFill);
  EXPECT_EQ(cache.Pixel(9, 0), kFill);
  EXPECT_EQ(cache.Pixel(0, 6), kBackground) << "bottom-left not in the set";
  EXPECT_EQ(cache.Pixel(1, 1), kBackground) << "not a hole";

  RepairCorners(cache.Pixels(), mask, &master, 0, kAllCorners, clFuchsia, {parent.Pixels(), 3, 4, true});
  EXPECT_EQ(cache.Pixel(9, 0), RGBColor(50, 60, 70)) << "the parent's pixel at the control's position";
  EXPECT_EQ(cache.Pixel(8, 6), RGBColor(5, 6, 7));
}

TEST(RepairCorners, AControlSmallerThanItsStripsIsRepairedWhereItHasPixels) {
  // 3-pixel strips on a 2 x 2 control: the right corners start at x = -1.
  TacMemBitmap picture = CodedPicture(9, 9, true);
  SetPixelAt(picture.Pixels(), 8, 0, clFuchsia);  // top-right piece, its last column
  SetPixelAt(picture.Pixels(), 6, 0, clFuchsia);  // its first column: left of the control
  const TsMaskData mask = MasterRecord(picture, 1, 1, 3);
  TacMemBitmap cache = SolidBitmap(2, 2, kBackground);
  RepairCorners(cache.Pixels(), mask, &picture, 0, kCornerTopRight, RGBColor(9, 9, 9), {});
  EXPECT_EQ(testing::AllPixels(cache.Pixels()),
            (std::vector<TColor>{kBackground, RGBColor(9, 9, 9), kBackground, kBackground}));
}

TEST(CollectCornerHoles, PlacesTheTopOrBottomCornerRunsForTheTargetsWidth) {
  TacMemBitmap master = HoledBorder(true);
  const TsMaskData mask = MasterRecord(master, 1, 1, 2);
  std::vector<TRect> holes;
  CollectCornerHoles(holes, 20, mask, &master, false, 3);
  EXPECT_EQ(holes, (std::vector<TRect>{{0, 3, 2, 4}, {0, 4, 1, 5}, {19, 3, 20, 4}}));
  holes.clear();
  CollectCornerHoles(holes, 20, mask, &master, true, 10);
  EXPECT_EQ(holes, (std::vector<TRect>{{0, 11, 1, 12}, {18, 11, 20, 12}}));
  CollectCornerHoles(holes, 20, mask, nullptr, true, 10);
  EXPECT_EQ(holes.size(), 2u) << "no skin: nothing appended";
}

}  // namespace
}  // namespace sundrel
