// The transparent corner pixels of a border image, for the window region of a skinned frame.
#pragma once

#include <vector>

#include "paint/geometry.h"
#include "paint/pixels.h"
#include "skin/model/skin_records.h"

namespace sundrel {

// Appends the holes of the top corner pieces (bottom ones when bottom is set) of the record's
// first cell as one-pixel-high rectangles, placed for a target of the given width: the left
// piece's column c (counted in the cell) at x = c, the right piece's (the cell's last WR
// columns) at x = c + targetWidth - cell width, and the piece's row r (counted from the first of
// its WT, or WB, rows) at y = targetY + r. Without a skin (master null) nothing is appended.
void CollectCornerHoles(std::vector<TRect>& holes, int targetWidth, const TsMaskData& mask, const TacMemBitmap* master,
                        bool bottom, int targetY);

}  // namespace sundrel
