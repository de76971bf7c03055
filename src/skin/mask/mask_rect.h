// Border images drawn as nine pieces fitted to any rectangle.
#pragma once

#include "paint/geometry.h"
#include "paint/pixels.h"
#include "paint/shared_slots.h"
#include "skin/model/skin_records.h"

namespace sundrel {

// Paints the state's cell of the border image into the target rectangle of the 24-bit bitmap:
// corners at the target's corners, edges along its sides and, when fillCentre is set and the
// record's StretchMode has bit 4, the middle piece over the centre. Strip widths are fitted to a
// small target (border_slices.h).
//
// Images with a mask (MaskType above 0) have every piece mask-blended over the bitmap; corner
// holes take the parent's pixel when the parent picture is ready, else KeyFillColor; edges and
// centre are tiled. Images without a mask are copied: corner holes show the parent's pixel when
// useParent is set and the parent picture is ready and keep the bitmap's otherwise; edges and
// centre are tiled, or stretched smoothly when StretchMode has bit 1.
//
// Nothing is drawn in state 0 when StretchMode has bit 2, for a target below 2 x 2 pixels, or
// without a skin (master null, see mask_source.h). Pieces never reach outside the cell, the
// bitmap or the target.
void DrawMaskRect(const TacPixels& bitmap, const TRect& target, bool fillCentre, const TacParentImage& parent,
                  const TsMaskData& mask, const TacMemBitmap* master, int state, bool useParent);

}  // namespace sundrel
