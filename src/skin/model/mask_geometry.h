// Where the cells, masks and border strips of an image lie.
//
// An image rectangle R holds ImageCount cells side by side; with MaskType 1 its lower half holds
// the masks of the cells above them. State s (0 normal, 1 hot, 2 pressed, ...) uses cell
// min(s, ImageCount - 1). Counts below 1 count as 1 throughout, so no value divides by zero.
#pragma once

#include "skin/model/skin_records.h"

namespace sundrel {

int CellOfState(const TsMaskData& mask, int state);
// The cell of a state in the source bitmap, and the rectangle of its mask (one cell height
// lower; meaningful with MaskType 1).
TRect StateCellRect(const TsMaskData& mask, int state);
TRect StateMaskRect(const TsMaskData& mask, int state);

// The cell size reported to controls: for an image on the master bitmap, one cell of R; for an
// image with a bitmap of its own, a third of its width and half its height.
TSize CellSize(const TsMaskData& mask);

// Strip widths: WL (WR, WT, WB) if positive, else BorderWidth if positive, else the default
// width below.
int32_t StripWidthLeft(const TsMaskData& mask);
int32_t StripWidthRight(const TsMaskData& mask);
int32_t StripWidthTop(const TsMaskData& mask);
int32_t StripWidthBottom(const TsMaskData& mask);

// Defaults from the cell size: WL = WR = width of R / (ImageCount x 3), WT = WB = height of R /
// ((MaskType + 1) x 3).
void SetDefaultStripWidths(TsMaskData& mask);
// When no strip width is given (they add up to 0): all four take BorderWidth if that is not 0,
// else the defaults.
void CompleteStripWidths(TsMaskData& mask);

}  // namespace sundrel
