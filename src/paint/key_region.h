// The shape of a window as rectangles for a region: a bitmap without its key-coloured pixels, or
// a rectangle without a list of holes.
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

// Rectangles that together cover exactly (0, 0, width, height) less the holes (in any order,
// overlapping or reaching outside it), in the same bands as NonKeyRectangles. Nothing is left of
// a rectangle of no size.
std::vector<TRect> RectanglesWithout(int width, int height, const std::vector<TRect>& holes);

}  // namespace sundrel
