// Window regions from colour-keyed bitmaps.
#pragma once

#include <windows.h>

#include "base/handles_win32.h"
#include "paint/color.h"
#include "paint/pixels.h"

namespace sundrel {

// The region of the bitmap's rectangle (0, 0, width, height) without its pixels of the key colour:
// empty for a bitmap made only of key pixels, the whole rectangle for one below 2 x 2 pixels.
UniqueRegion RegionFromKeyColor(const TacPixels& bitmap, TColor key);

}  // namespace sundrel
