// Painting through a device context: solid fills, 3-D and focus frames, frame strips.
#pragma once

#include <windows.h>

#include "paint/color.h"
#include "paint/geometry.h"

namespace sundrel {

// Fills the rectangle with the resolved colour; the context's state is the same afterwards.
void FillRectSolid(HDC dc, const TRect& rect, TColor color);

// width nested one-pixel frames, each inside the previous: left and top edges in the light colour,
// right and bottom edges (with the top-right and bottom-left corners) in the dark colour.
void Bevel3DFrame(HDC dc, const TRect& rect, TColor light, int width, TColor dark);

// A dotted frame on the rectangle's outermost pixels: every third pixel of each edge black, with a
// white pixel one step up and to the left of it.
void DottedFocusFrame(HDC dc, const TRect& rect);

// Copies the border strips, border pixels thick (B), of the width x height (W x H) rectangle at
// (x, y) from the same place of the source context at (sourceX, sourceY), so that a frame is
// repainted from a cache without touching what lies inside it: the left strip (B x H), the top
// one from x + B (W x B), the right one at (x + W - B, y + B) (B x H) and the bottom one from
// x + B ((W - B) x B). The top and right strips reach B pixels past the rectangle; of a memory
// context only what its bitmap holds is read or written.
void CopyFrameStrips(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                     int border);

}  // namespace sundrel
