// Colour-keyed copies between 24-bit bitmaps: source pixels of exactly the key colour (all three
// channels) are transparent.
#pragma once

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/pixels.h"
#include "paint/shared_slots.h"

namespace sundrel {

// Copies the whole source to (x, y) of the destination, skipping key pixels.
void CopyKeyed(const TacPixels& destination, const TacPixels& source, int x, int y, TColor key);

// The same for a part of the source: the rectangle (inclusive) is cut to the source bitmap, and
// the pixel at offset (i, j) from the corner of what remains goes to (x + i, y + j) when that
// lies in the destination.
void CopyRectKeyed(const TacPixels& destination, const TacPixels& source, int x, int y, TColor key,
                   const TRect& inclusiveSourceRect);

// Like CopyRectKeyed, but with the flag set and a ready parent image (24-bit or 32-bit, at least
// 2 x 2 pixels), a key pixel takes the parent's pixel at (parent.X + x + i, parent.Y + y + j).
// Where the parent has no such pixel the destination keeps its own.
void CopyRectKeyedOverParent(const TacPixels& destination, const TacPixels& source, int x, int y, bool useParent,
                             const TacParentImage& parent, TColor key, const TRect& inclusiveSourceRect);

}  // namespace sundrel
