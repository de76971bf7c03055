// The arithmetic of a skinned scroll bar, kept apart from any window: where the bars lie in a
// window's frame, where the thumb sits, which part of a bar a point is on, and which position a
// dragged thumb stands for. Lengths are in pixels along the bar; offsets count from the bar's start
// (its left or top end).
//
// A bar whose page covers the whole range, whose maximum equals its minimum, or whose thumb fills
// its track has no room to move: its thumb stays at the start and a drag scrolls nowhere. None of
// these cases divides by zero or by a negative number.
#pragma once

#include <cstdint>

#include "paint/geometry.h"

namespace sundrel {

// What the system keeps for one bar (its SCROLLINFO).
struct TacScrollRange {
  int32_t Min = 0;
  int32_t Max = 0;
  uint32_t Page = 0;
  int32_t Pos = 0;
  int32_t TrackPos = 0;
};

// The parts of a bar, numbered as the scroll request that a press on them sends.
enum TacScrollPortion : int {
  spNone = -1,
  spFirstArrow = 0,   // left or up
  spSecondArrow = 1,  // right or down
  spTrackBefore = 2,
  spTrackAfter = 3,
  spThumb = 5,
};

// The thumb's start (from the bar's start, arrow included) and its length.
struct TacThumb {
  int32_t Start = 0;
  int32_t Size = 0;
};

// a * b / c rounded half away from zero, as the system's MulDiv; c must not be 0.
int32_t MulDivRounded(int64_t a, int64_t b, int64_t c);

// The thumb of a bar `length` pixels long with arrows `arrow` long. A page of 0 gives a thumb as
// long as an arrow; otherwise the page's share of the track, at least minThumb. The thumb moves
// along the track by the position's share of the range, counted from the range's minimum.
TacThumb ThumbGeometry(const TacScrollRange& range, int32_t length, int32_t arrow, int32_t minThumb);

// Whether the thumb has a track to move along: it is not longer than the track and leaves room.
bool ThumbMovable(const TacThumb& thumb, int32_t length, int32_t arrow);

// The part of the bar at `along` pixels from its start. Arrows that do not fit twice take half
// the bar each; a thumb that fills the track leaves only the arrows. Half-open intervals.
int HitTestAlong(const TacScrollRange& range, int32_t length, int32_t arrow, int32_t minThumb, int32_t along);

// The position that a thumb dragged `offset` pixels into a track `trackLength` long stands for,
// between the range's minimum and its largest position (the maximum less the page, plus one).
int32_t DragPosition(const TacScrollRange& range, int32_t offset, int32_t trackLength, int32_t thumbSize);

// The native frame's widths around the client area, measured without the bars.
struct TacFrameEdges {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
};

// The client area once the bars that the style asks for have been taken out of it, and which of
// them found room (a bar needs at least its thickness).
struct TacBarsLayout {
  TRect Client;
  TacFrameEdges Edges;
  bool HorzVisible = false;
  bool VertVisible = false;
};

// The window's procedure gave `client` for `window` as if it had no bars; the bars are taken out
// of it: the horizontal one at the bottom, the vertical one at the right (the left with
// barsOnLeft).
TacBarsLayout TakeBarsFromClient(const TRect& window, const TRect& client, bool wantsHorz, bool wantsVert,
                                 int32_t horzThickness, int32_t vertThickness, bool barsOnLeft);

// Where the bars and the corner square between them lie in the window's rectangle. A thickness is
// 0 for a bar that is not visible; the corner is empty unless both are.
struct TacBarRects {
  TRect Horz;
  TRect Vert;
  TRect Corner;
};
TacBarRects BarRects(const TRect& window, const TacFrameEdges& edges, int32_t horzThickness, int32_t vertThickness,
                     bool barsOnLeft);

// Whether the corner square meets the far corner of its parent's client area, so that dragging it
// sizes the parent (a size grip): right and bottom edges (left with barsOnLeft), the native frame
// counted in.
bool MeetsParentCorner(const TRect& corner, const TacFrameEdges& edges, const TRect& parentClient, bool barsOnLeft);

}  // namespace sundrel
