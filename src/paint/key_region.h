// The shape of a bitmap without its key-coloured pixels, as rectangles for a window region.
#pragma once

#include <vector>

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/pixels.h"

namespace sundrel {

// Rectangles that together cover exactly the pixels that are not of the key colour (compared on
// the low 24 bits), row by row from the top; rows with the same runs share one band of rectangles.
// A bitmap that is not 24-bit or is below 2 x 2 pixels is covered whole; one made only of key
// pixels gives no rectangle.
std::vector<TRect> NonKeyRectangles(const TacPixels& bitmap, TColor key);

}  // namespace sundrel
