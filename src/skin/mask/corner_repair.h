// Corners of a finished control picture: where its border image has holes, the picture must
// show what lies behind the control, whatever the background painting put there.
#pragma once

#include "paint/color.h"
#include "paint/pixels.h"
#include "paint/shared_slots.h"
#include "skin/model/skin_records.h"

namespace sundrel {

// Corner sets of RepairCorners.
inline constexpr int kCornerTopLeft = 1;
inline constexpr int kCornerBottomLeft = 2;
inline constexpr int kCornerTopRight = 4;
inline constexpr int kCornerBottomRight = 8;
inline constexpr int kAllCorners = 15;

// For each corner in the set, every hole of the matching corner piece of the state's cell (the
// record's strip widths, not fitted) makes the cache pixel at the same offset inside that corner
// of the cache take backFill, or, while backFill is clFuchsia, the parent picture's pixel at
// (X + x, Y + y): the caller has already added the control's position within its parent to X
// and Y, and chosen backFill (the control's BackFillColor decision). Corner pixels that fall
// outside a cache smaller than the strips are skipped. A record with a picture of its own and
// ImageCount 0 is taken as three cells with masks over its whole picture. Nothing happens for
// a cache below 2 x 2 pixels or without a skin (master null).
void RepairCorners(const TacPixels& cache, const TsMaskData& mask, const TacMemBitmap* master, int state, int corners,
                   TColor backFill, const TacParentImage& parent);

}  // namespace sundrel
