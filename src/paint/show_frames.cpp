#include "paint/show_frames.h"

#include <algorithm>

#include "paint/color.h"

namespace sundrel {

std::vector<int> ShowFrameWeights(int durationCode) {
  if (durationCode < 8) return {};
  const int steps = durationCode / 8;
  const int step = 255 / steps;
  std::vector<int> weights;
  for (int i = 0, w = 255; i <= steps; ++i, w -= step) weights.push_back(w);
  return weights;
}

void BlendShowFrame(const TacPixels& frame, const TacPixels& oldPicture, const TacPixels& newPicture, int weight) {
  if (frame.Row0 == nullptr || !oldPicture.Is24Bit() || !newPicture.Is24Bit()) return;
  const int width = std::min({frame.Width, oldPicture.Width, newPicture.Width});
  const int height = std::min({frame.Height, oldPicture.Height, newPicture.Height});
  for (int y = 0; y < height; ++y) {
    uint8_t* out = frame.Row(y);
    const uint8_t* old = oldPicture.Row(y);
    const uint8_t* now = newPicture.Row(y);
    for (int x = 0; x < width; ++x, out += frame.BytesPerPixel, old += 3, now += 3) {
      for (int c = 0; c < 3; ++c)
        out[c] = static_cast<uint8_t>(LimitToByte((weight * (old[c] - now[c]) + now[c] * 256) >> 8));
    }
  }
}

}  // namespace sundrel
