// Stretching a picture smoothly, the same way on every build.
#pragma once

#include "paint/geometry.h"
#include "paint/pixels.h"

namespace sundrel {

// Resamples the source rectangle (cut to its 24-bit bitmap) onto the target rectangle of the
// 24-bit destination, each direction on its own: where the picture shrinks, a target pixel is
// the mean of the source pixels it covers, in proportion to how much of each it covers (a box
// filter); where it grows, it is interpolated between the two nearest source pixel centres
// (bilinear); a direction that keeps its size is copied as it is. Integer arithmetic throughout,
// so the native and Windows builds give the same pixels. Target pixels outside the destination
// are skipped; sizes of 2^30 pixels and more draw nothing.
void StretchHalftone(const TacPixels& destination, const TRect& target, const TacPixels& source,
                     const TRect& sourceRect);

}  // namespace sundrel
