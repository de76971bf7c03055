// Textures: a cell of a skin image, or a picture of the skin's own, laid over an area.
#pragma once

#include "paint/geometry.h"
#include "paint/pixels.h"
#include "paint/shared_slots.h"
#include "skin/model/skin_records.h"

namespace sundrel {

// Fill modes of a texture (the StretchMode of a texture record).
enum TacTextureMode : int {
  tmTile = 0,         // tiled over the whole area
  tmStretch = 1,      // one copy stretched over the whole area
  tmTileTop = 2,      // tiled along the top edge
  tmTileLeft = 3,     // tiled down the left edge
  tmStretchTop = 4,   // stretched along the top edge, at its own height
  tmStretchLeft = 5,  // stretched down the left edge, at its own width
  tmTileBottom = 6,   // tiled along the bottom edge
  tmTileRight = 7,    // tiled down the right edge (also every unknown mode)
  tmWholeRows = 10,   // whole copies in full rows, the last column cut; no partial row
};

// Draws a texture without a mask into the area of the 24-bit bitmap and leaves in area the part
// that it did not cover, for the caller to fill (empty, at the area's corner, when all is
// covered). A picture of the skin's own (not empty) is tiled over the whole area. Otherwise the
// record's first cell is copied as the fill mode says; edge modes cover a strip of the cell's
// height (or width) and leave the rest. When nothing can be drawn (no skin: master null; a cell
// of no size) the area is left as it came.
void DrawTexture(const TacPixels& bitmap, TRect& area, const TacPixels& picture, int fillMode, const TsMaskData& mask,
                 const TacMemBitmap* master);

// Draws a texture whose image carries a mask (its first cell: a cell's width of R across, half
// of R down). Modes tmTile and tmWholeRows place copies in whole rows from the target's corner,
// no partial row at the bottom, the last column cut at the right; each copy is mask-blended and
// its holes take the parent's pixel when the parent picture is ready, else KeyFillColor.
// tmWholeRows then fills the strip below the last whole row (the target's full width) and the
// strip right of the last whole column (its full height) from the parent picture when it is
// ready, else with KeyFillColor. Other modes draw nothing.
void DrawMaskedTexture(const TacPixels& bitmap, const TRect& target, const TacParentImage& parent, int fillMode,
                       const TsMaskData& mask, const TacMemBitmap* master);

}  // namespace sundrel
