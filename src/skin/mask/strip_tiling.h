// Tiling a piece without holes, grouped by rows: the pixels of TileArea with one copy or blend
// per target row instead of one per copy of the piece, which is what makes long strips cheap.
#pragma once

#include "paint/geometry.h"
#include "paint/pixels.h"

namespace sundrel {

// Tiles the piece (a rectangle of the 24-bit cells) over the target area of the 24-bit bitmap
// from the area's corner, the last column and row cut: each pixel is copied, or, when maskRows is
// 0 or more, mask-blended with the mask pixel that many rows below it. Each row of the piece is
// laid out once across the visible part of the target and then copied or blended into every
// target row that shows it. A piece that does not lie wholly inside the cells (and its mask
// rows) is cut as every copy between bitmaps is, one copy at a time.
void TileStrip(const TacPixels& bitmap, const TRect& target, const TacPixels& cells, const TRect& piece, int maskRows);

}  // namespace sundrel
