// Small state images (check marks, title-bar buttons, ornaments) drawn at a point.
#pragma once

#include "paint/geometry.h"
#include "paint/pixels.h"
#include "skin/model/skin_records.h"

namespace sundrel {

// Draw mode of a glyph in its normal look; any other value draws it faded (disabled).
inline constexpr int kGlyphNormal = 1;

// Draws the state's cell (state limited to the last cell) with its top-left corner at the point
// of the 24-bit bitmap; a point left of or above the bitmap enters the cell at that offset, so
// only the visible part is drawn. Holes are never drawn. An image with a mask is mask-blended;
// faded, each mask value is raised by 100 (up to 255) first, which makes the glyph paler. An
// image without a mask is copied; faded, a glyph of the master bitmap is blended half over the
// bitmap. A glyph of the master bitmap with ImageCount 0, or one without a skin (master null),
// draws nothing.
void DrawMaskGlyph(const TacPixels& bitmap, TPoint point, int state, const TsMaskData& mask, const TacMemBitmap* master,
                   int drawMode);

}  // namespace sundrel
