// The arithmetic of skinned scroll bars: thumb placement, hit testing, dragging and where the bars
// lie in a window's frame, including the bars that have no room to move.
#include "skin/scroll/scroll_geometry.h"

#include <gtest/gtest.h>

namespace sundrel {
namespace {

// A vertical bar 100 pixels long with 17-pixel arrows and a 10-pixel smallest thumb: the track is
// 66 pixels.
constexpr int32_t kLength = 100, kArrow = 17, kMinThumb = 10;

struct ThumbCase {
  const char* name;
  TacScrollRange range;
  int32_t length;
  TacThumb thumb;
  bool movable;
};

class ThumbPlacement : public ::testing::TestWithParam<ThumbCase> {};

TEST_P(ThumbPlacement, StartSizeAndRoomToMove) {
  const ThumbCase& c = GetParam();
  const TacThumb thumb = ThumbGeometry(c.range, c.length, kArrow, kMinThumb);
  EXPECT_EQ(thumb.Start, c.thumb.Start);
  EXPECT_EQ(thumb.Size, c.thumb.Size);
  EXPECT_EQ(ThumbMovable(thumb, c.length, kArrow), c.movable);
}

INSTANTIATE_TEST_SUITE_P(Bars, ThumbPlacement,
                         ::testing::Values(
                             // 200 items, 10 a page: the page's share (3) is raised to the smallest thumb.
                             ThumbCase{"AtTop", {0, 199, 10, 0, 0}, kLength, {17, 10}, true},
                             ThumbCase{"AtLargestPosition", {0, 199, 10, 190, 0}, kLength, {73, 10}, true},
                             ThumbCase{"HalfWay", {0, 199, 10, 95, 0}, kLength, {45, 10}, true},
                             ThumbCase{"BigPage", {0, 99, 50, 25, 0}, kLength, {34, 33}, true},
                             // The position counts from the range's minimum.
                             ThumbCase{"MinimumNotZeroAtTop", {100, 299, 10, 100, 0}, kLength, {17, 10}, true},
                             ThumbCase{"MinimumNotZeroAtEnd", {100, 299, 10, 290, 0}, kLength, {73, 10}, true},
                             ThumbCase{
                                 "PositionPastTheEndStopsAtTrackEnd", {0, 199, 10, 500, 0}, kLength, {73, 10}, true},
                             ThumbCase{"PageZeroIsAnArrowLong", {0, 99, 0, 0, 0}, kLength, {17, 17}, true},
                             // No room to move: the thumb stays at the start.
                             ThumbCase{"PageCoversTheRange", {0, 9, 20, 5, 0}, kLength, {17, 132}, false},
                             ThumbCase{"PageEqualsTheRange", {0, 9, 10, 5, 0}, kLength, {17, 66}, false},
                             ThumbCase{"MaximumEqualsMinimum", {5, 5, 1, 5, 0}, kLength, {17, 66}, false},
                             ThumbCase{"EmptyRange", {0, -1, 5, 0, 0}, kLength, {17, 0}, true},
                             ThumbCase{"ThumbFillsTheTrack", {0, 199, 10, 100, 0}, 44, {17, 10}, false},
                             ThumbCase{"NoTrackAtAll", {0, 199, 10, 100, 0}, 20, {17, 10}, false}),
                         [](const auto& info) { return info.param.name; });

struct HitCase {
  const char* name;
  TacScrollRange range;
  int32_t length;
  int32_t along;
  int portion;
};

class BarHitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(BarHitTest, PortionUnderThePoint) {
  const HitCase& c = GetParam();
  EXPECT_EQ(HitTestAlong(c.range, c.length, kArrow, kMinThumb, c.along), c.portion);
}

// The thumb at the top lies on 17..27, at the end on 73..83.
constexpr TacScrollRange kTop{0, 199, 10, 0, 0}, kEnd{0, 199, 10, 190, 0};
INSTANTIATE_TEST_SUITE_P(Bars, BarHitTest,
                         ::testing::Values(HitCase{"FirstArrowStart", kTop, kLength, 0, spFirstArrow},
                                           HitCase{"FirstArrowEnd", kTop, kLength, 16, spFirstArrow},
                                           HitCase{"ThumbStart", kTop, kLength, 17, spThumb},
                                           HitCase{"ThumbEnd", kTop, kLength, 26, spThumb},
                                           HitCase{"AfterThumb", kTop, kLength, 27, spTrackAfter},
                                           HitCase{"TrackEnd", kTop, kLength, 82, spTrackAfter},
                                           HitCase{"SecondArrowStart", kTop, kLength, 83, spSecondArrow},
                                           HitCase{"SecondArrowEnd", kTop, kLength, 99, spSecondArrow},
                                           HitCase{"PastTheBar", kTop, kLength, 100, spNone},
                                           HitCase{"BeforeTheBar", kTop, kLength, -1, spNone},
                                           HitCase{"BeforeThumbAtEnd", kEnd, kLength, 17, spTrackBefore},
                                           HitCase{"JustBeforeThumbAtEnd", kEnd, kLength, 72, spTrackBefore},
                                           HitCase{"ThumbAtEnd", kEnd, kLength, 73, spThumb},
                                           // Arrows that do not fit twice take half the bar each.
                                           HitCase{"ShortBarFirstHalf", kTop, 30, 14, spFirstArrow},
                                           HitCase{"ShortBarSecondHalf", kTop, 30, 15, spSecondArrow},
                                           // A thumb that cannot move leaves nothing between the arrows.
                                           HitCase{"PageCoversTheRange", {0, 9, 20, 0, 0}, kLength, 50, spNone},
                                           HitCase{"MaximumEqualsMinimum", {3, 3, 1, 3, 0}, kLength, 50, spNone}),
                         [](const auto& info) { return info.param.name; });

struct DragCase {
  const char* name;
  TacScrollRange range;
  int32_t offset;
  int32_t thumbSize;
  int32_t position;
};

class ThumbDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(ThumbDrag, PositionOfTheThumb) {
  const DragCase& c = GetParam();
  EXPECT_EQ(DragPosition(c.range, c.offset, kLength - 2 * kArrow, c.thumbSize), c.position);
}

INSTANTIATE_TEST_SUITE_P(Bars, ThumbDrag,
                         ::testing::Values(DragCase{"TrackStart", kTop, 0, 10, 0},
                                           DragCase{"HalfWay", kTop, 28, 10, 95},
                                           DragCase{"TrackEndIsTheLargestPosition", kTop, 56, 10, 190},
                                           DragCase{"PastTheTrackStopsAtTheLargestPosition", kTop, 80, 10, 190},
                                           DragCase{"MinimumNotZero", {100, 299, 10, 100, 0}, 56, 10, 290},
                                           DragCase{"MinimumNotZeroAtStart", {100, 299, 10, 150, 0}, 0, 10, 100},
                                           DragCase{"PageZeroEndsAtTheMaximum", {0, 99, 0, 0, 0}, 49, 17, 99},
                                           // Nowhere to scroll: the range's minimum.
                                           DragCase{"PageCoversTheRange", {4, 9, 20, 4, 0}, 10, 10, 4},
                                           DragCase{"MaximumEqualsMinimum", {7, 7, 1, 7, 0}, 10, 10, 7},
                                           DragCase{"ThumbFillsTheTrack", {0, 199, 10, 0, 0}, 0, 66, 0}),
                         [](const auto& info) { return info.param.name; });

TEST(ScrollArithmetic, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDivRounded(1, 1, 2), 1);
  EXPECT_EQ(MulDivRounded(-1, 1, 2), -1);
  EXPECT_EQ(MulDivRounded(10, 66, 200), 3);
  EXPECT_EQ(MulDivRounded(2000000000, 3, 4), 1500000000);
}

// A 120 x 100 window with a 2-pixel native frame.
constexpr TRect kWindow{0, 0, 120, 100}, kClient{2, 2, 118, 98};

TEST(BarsLayout, BarsTakeTheirThicknessFromTheClientArea) {
  const TacBarsLayout both = TakeBarsFromClient(kWindow, kClient, true, true, 17, 16, false);
  EXPECT_EQ(both.Client, (TRect{2, 2, 102, 81}));
  EXPECT_EQ(both.Edges.Left, 2);
  EXPECT_EQ(both.Edges.Bottom, 2);
  EXPECT_TRUE(both.HorzVisible && both.VertVisible);

  const TacBarsLayout left = TakeBarsFromClient(kWindow, kClient, false, true, 17, 16, true);
  EXPECT_EQ(left.Client, (TRect{18, 2, 118, 98}));
  EXPECT_FALSE(left.HorzVisible);

  // A client area lower than the bar has no room for it.
  const TacBarsLayout low = TakeBarsFromClient(kWindow, {2, 2, 118, 12}, true, true, 17, 16, false);
  EXPECT_FALSE(low.HorzVisible);
  EXPECT_TRUE(low.VertVisible);
  EXPECT_EQ(low.Client, (TRect{2, 2, 102, 12}));
}

TEST(BarsLayout, RectanglesAndCorner) {
  const TRect window{100, 100, 220, 200};
  const TacFrameEdges edges{2, 2, 2, 2};
  const TacBarRects right = BarRects(window, edges, 17, 16, false);
  EXPECT_EQ(right.Horz, (TRect{102, 181, 202, 198}));
  EXPECT_EQ(right.Vert, (TRect{202, 102, 218, 181}));
  EXPECT_EQ(right.Corner, (TRect{202, 181, 218, 198}));

  const TacBarRects left = BarRects(window, edges, 17, 16, true);
  EXPECT_EQ(left.Horz, (TRect{118, 181, 218, 198}));
  EXPECT_EQ(left.Vert, (TRect{102, 102, 118, 181}));
  EXPECT_EQ(left.Corner, (TRect{102, 181, 118, 198}));

  // Only the vertical bar: it runs down to the frame and there is no corner.
  const TacBarRects vertical = BarRects(window, edges, 0, 16, false);
  EXPECT_EQ(vertical.Vert, (TRect{202, 102, 218, 198}));
  EXPECT_TRUE(vertical.Corner.IsEmpty());
}

TEST(BarsLayout, SizeGripOnlyWhereTheCornerMeetsTheParentsCorner) {
  const TacFrameEdges edges{2, 2, 2, 2};
  const TRect corner{202, 181, 218, 198};
  EXPECT_TRUE(MeetsParentCorner(corner, edges, {0, 0, 220, 200}, false));
  EXPECT_FALSE(MeetsParentCorner(corner, edges, {0, 0, 221, 200}, false));
  EXPECT_FALSE(MeetsParentCorner(corner, edges, {0, 0, 220, 201}, false));
  EXPECT_TRUE(MeetsParentCorner({102, 181, 118, 198}, edges, {100, 0, 300, 200}, true));
}

}  // namespace
}  // namespace sundrel
