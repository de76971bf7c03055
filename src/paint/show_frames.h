// The frames of a show animation (a page or skin change, a form being shown): the old screen
// fades into the new picture in a few steps.
#pragma once

#include <vector>

#include "paint/pixels.h"

namespace sundrel {

// The weight of the old screen in each frame, from 255 (only the old screen) downwards: a
// duration code below 8 has no frames at all (the new picture shows at once); otherwise
// n = code div 8 steps of 255 div n, n + 1 frames.
std::vector<int> ShowFrameWeights(int durationCode);

// Every pixel of the frame becomes LimitToByte((w*(old - new) + new*256) shr 8) per channel.
// The frame may be 24-bit or 32-bit; the pictures are 24-bit; only what all three hold is done.
void BlendShowFrame(const TacPixels& frame, const TacPixels& oldPicture, const TacPixels& newPicture, int weight);

}  // namespace sundrel
