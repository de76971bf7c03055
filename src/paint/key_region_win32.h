// Window regions from colour-keyed bitmaps and from rectangles with holes.
#pragma once

#include <windows.h>

#include <vector>

#include "base/handles_win32.h"
#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/pixels.h"

namespace sundrel {

// The region of the bitmap's rectangle (0, 0, width, height) without its pixels of the key colour:
// empty for a bitmap made only of key pixels, the whole rectangle for one below 2 x 2 pixels.
UniqueRegion RegionFromKeyColor(const TacPixels& bitmap, TColor key);

// The region of (0, 0, width, height) without the holes (rectangles in any order; the corner
// holes of a skin's border image, say): empty when nothing is left.
UniqueRegion RegionWithout(int width, int height, const std::vector<TRect>& holes);

}  // namespace sundrel
