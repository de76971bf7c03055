// One piece of an image that carries a mask, copied into a working bitmap.
#pragma once

#include "paint/geometry.h"
#include "paint/shared_slots.h"
#include "skin/mask/hole_fill.h"
#include "skin/mask/mask_source.h"

namespace sundrel {

// Copies the overlap of the target and source rectangles (the smaller width and height of the
// two, cut to both bitmaps) through the mask that lies MaskRows below the cells: each pixel is
// mask-blended over the destination. With holes set, clFuchsia pixels are holes instead: they
// take the parent's pixel when the parent picture is ready (nothing is drawn when that picture
// is neither 24-bit nor 32-bit), else KeyFillColor, which leaves them clFuchsia while it is unset.
void CopyMaskedPiece(const TacPixels& bitmap, const TRect& target, const TRect& source, const TacMaskSource& cells,
                     bool holes, const TacParentImage& parent);

// What holes of masked pieces become while no parent picture is ready.
TacHoleFill KeyFill();

}  // namespace sundrel
