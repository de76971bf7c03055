// The nine pieces of a border image's cell and where each goes in a target rectangle: four
// corners of the strip widths, four edges and the centre between them.
#pragma once

#include "paint/geometry.h"
#include "skin/model/skin_records.h"

namespace sundrel {

// StretchMode bits of border images.
inline constexpr int kStretchEdges = 1;  // edges and centre stretched smoothly (images without a mask)
inline constexpr int kHotOnly = 2;       // nothing drawn in state 0
inline constexpr int kFillCentre = 4;    // the centre drawn when the caller asks for it

struct TacBorderWidths {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  bool operator==(const TacBorderWidths&) const = default;
};

// The record's strip widths (WL, WT, WR, WB, none below 0) fitted to a target of the given size:
// a target narrower than both side strips takes (wl + wr - width) div 2 from each, and one more
// from the right when its width is odd; each then stays at least 0. Heights alike, the bottom
// giving the extra pixel.
TacBorderWidths FitBorderWidths(const TsMaskData& layout, int width, int height);

struct TacBorderPiece {
  TRect Source;  // in the cells' bitmap
  TRect Target;  // inside the target rectangle; may reach beyond the bitmap
};

struct TacBorderSlices {
  TacBorderPiece TopLeft, Top, TopRight, Left, Centre, Right, BottomLeft, Bottom, BottomRight;
};

// The pieces of the state's cell (state limited to the last cell) for the target, with the strip
// widths fitted to it. Edge and centre targets span what lies between the corners; the middle
// of the cell keeps its own size (the cell's size less the fitted strips, at least 0). A piece
// is cut to the target, its source alike; one that does not lie inside the cell, or has nothing
// left, is empty (both rectangles).
TacBorderSlices SliceBorder(const TsMaskData& layout, int state, const TRect& target);

}  // namespace sundrel
