// Filling 24-bit pixels with one colour, a block at a time.
#pragma once

#include <cstdint>

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/pixels.h"

namespace sundrel {

// Writes count pixels of the blue, green, red bytes from p on.
void FillRun(uint8_t* p, int count, const uint8_t* bgr);

// Every pixel of the rectangle, cut to the 24-bit bitmap, takes the resolved colour. Other
// bitmaps are left alone.
void FillSolidRect(const TacPixels& bitmap, const TRect& rect, TColor color);

}  // namespace sundrel
