// Grey and disabled looks of 24-bit working bitmaps.
#pragma once

#include <cstdint>

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/pixels.h"
#include "paint/shared_slots.h"

namespace sundrel {

// How a disabled control looks: a set of these flags.
enum TsDisabledKindFlag : uint8_t {
  dkBlended = 1,  // the control shows through 60 percent of its parent
  dkGrayed = 2,   // the control loses its colours
};
using TsDisabledKind = uint8_t;

// Every pixel becomes grey: (B + G + R) div 3 in all three channels.
void GrayBitmap(const TacPixels& bitmap);

// The same, leaving pixels of the key colour as they are.
void GrayBitmapExceptKey(const TacPixels& bitmap, TColor key);

// Greys the bitmap for dkGrayed; for dkBlended lays it over the parent's picture under it (the
// bitmap's rectangle moved by the parent's X, Y plus the offset) as 60 percent parent and 40
// percent control, or without a ready parent shades it half way towards BackFillColor, or
// towards the control's own colour when BackFillColor is unset.
void PaintDisabledLook(const TacPixels& bitmap, TsDisabledKind kinds, TColor controlColor, TPoint offset,
                       const TacParentImage& parent);

}  // namespace sundrel
