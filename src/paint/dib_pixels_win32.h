// The pixel code's view of a DIB section, so that the same loops run on screen bitmaps.
#pragma once

#include <windows.h>

#include "paint/pixels.h"

namespace sundrel {

// The view of a 24-bit or 32-bit DIB section (bottom-up ones get a negative row delta), after
// flushing GDI's pending drawing into it. Any other bitmap gives an empty view. The view is valid
// while the bitmap exists.
TacPixels PixelsOfDibSection(HBITMAP bitmap);

}  // namespace sundrel
