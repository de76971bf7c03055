// Window regions that leave out the transparent corners of a skin's border image: a button whose
// whole picture is its border image, and a frame whose corners are rounded by its border images.
// Clicks on the left-out pixels go to the window underneath.
#pragma once

#include "base/handles_win32.h"
#include "paint/pixels.h"
#include "skin/model/skin_records.h"

namespace sundrel {

// Paints the border image of the state over the whole 24-bit bitmap (PaintMaskDirect) and answers
// the bitmap's rectangle less the holes of its corners. Without a skin (master null) nothing is
// painted and the region is the whole rectangle.
UniqueRegion PaintMaskDirectWithRegion(const TacPixels& bitmap, bool fillCentre, int state, const TsMaskData& mask,
                                       const TacMemBitmap* master);

// The rectangle (0, 0, width, height) less the holes of the border image's top corners along its
// top edge and of its bottom corners along its bottom edge (CollectCornerHoles).
UniqueRegion CornerHolesRegion(int width, int height, const TsMaskData& mask, const TacMemBitmap* master);

}  // namespace sundrel
