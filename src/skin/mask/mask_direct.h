// A border image as a control's whole picture (buttons), with the holes of its corners cut out
// of the control's window region.
#pragma once

#include <vector>

#include "paint/geometry.h"
#include "paint/pixels.h"
#include "skin/mask/mask_source.h"

namespace sundrel {

// Nine-slice of the state's cell over the whole 24-bit bitmap (at least 2 x 2 pixels), with the
// strip widths fitted to it and no parent picture: corner holes are left as the bitmap has them,
// edges are tiled, and the centre is tiled when fillCentre is set and StretchMode has bit 4. A
// record whose ImageCount is below 1 is one cell covering its whole picture. When regionHoles
// is given, every run of corner holes is appended to it as a one-pixel-high rectangle, for the
// caller to take out of the window's region. Without a skin (master null) nothing is drawn.
void PaintMaskDirect(const TacPixels& bitmap, std::vector<TRect>* regionHoles, bool fillCentre, int state,
                     const TsMaskData& mask, const TacMemBitmap* master);

// One piece for PaintMaskDirect: the overlap of the target and source rectangles copied to the
// bitmap, mask-blended when the image has a mask. With holes set, clFuchsia pixels are not drawn
// and their runs go to regionHoles (when given). Nothing happens for a target that starts at a
// negative coordinate or a bitmap below 2 x 2 pixels.
void CopyMasterPiece(const TacPixels& bitmap, const TRect& target, const TRect& source, const TacMaskSource& cells,
                     bool holes, std::vector<TRect>* regionHoles);

}  // namespace sundrel
