// A section's own surface in one state: its colour, gradient and texture mixed by their shares,
// before anything is laid over the parent's picture.
#pragma once

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/gradient.h"
#include "paint/pixels.h"
#include "skin/model/skin_records.h"

namespace sundrel {

struct TacOwnBackground {
  TColor Color = clFuchsia;
  int ImagePercent = 0;
  int GradientPercent = 0;
  const TsGradArray* Gradient = nullptr;  // none, or empty: no gradient
  // The texture: a picture of the skin's pattern table (tiled) when it is not empty, else a mask
  // record (drawn in its StretchMode), else none.
  TacPixels Pattern;
  const TsMaskData* Texture = nullptr;
  // Of the parent, in percent: a surface without gradient or texture takes BackFillColor instead
  // of its colour when that is set and this is not 0.
  int Transparency = 0;
};

// Paints the surface into the rectangle of the 24-bit bitmap (which must lie inside it):
// 1. with an image share, the texture, and the colour where the texture leaves room (all of the
//    rectangle when there is no texture to draw);
// 2. with a gradient share, the gradient (or the colour) over the rectangle, or, over a texture,
//    merged so that the texture keeps its share (the rectangle's last column keeps the texture);
// 3. the shares together below 100 percent shade the result towards the colour; with no share at
//    all the rectangle is the colour (or BackFillColor, see Transparency).
// A masked texture's holes take KeyFillColor.
void PaintOwnBackground(const TacPixels& bitmap, const TRect& r, const TacOwnBackground& look,
                        const TacMemBitmap* master);

}  // namespace sundrel
