// The pixel code's view of a DIB section, so that the same loops run on screen bitmaps, and the
// pixel code's bitmaps put on device contexts.
#pragma once

#include <windows.h>

#include "paint/pixels.h"

namespace sundrel {

// The view of a 24-bit or 32-bit DIB section (bottom-up ones get a negative row delta), after
// flushing GDI's pending drawing into it. Any other bitmap gives an empty view. The view is valid
// while the bitmap exists.
TacPixels PixelsOfDibSection(HBITMAP bitmap);

// Copies a 24-bit bitmap whose rows lie in one block padded to 4 bytes (as TacMemBitmap keeps
// them, either way up) to the context with its top-left corner at (x, y). Other views copy nothing.
void CopyPixelsToDC(HDC dc, int x, int y, const TacPixels& pixels);

}  // namespace sundrel
