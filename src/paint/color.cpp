#include "paint/color.h"

#include <algorithm>

#include "paint/rounding.h"

namespace sundrel {

TColor ColorToRGB(TColor color) {
  return IsSystemColor(color) ? SystemColorRGB(color & 0xFF) : color;
}

TColor MixColors(TColor a, TColor b, double weight) {
  weight = weight > 0 ? std::min(weight, 1.0) : 0.0;  // a weight outside 0..1 would leave the byte range
  a = ColorToRGB(a);
  b = ColorToRGB(b);
  auto mix = [weight](int channelA, int channelB) { return RoundHalfEven(weight * (channelA - channelB) + channelB); };
  const TColor highByte = static_cast<TColor>(static_cast<uint32_t>(a) & 0xFF000000u);
  return highByte | RGBColor(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

TColor AverageColors(TColor a, TColor b) {
  a = ColorToRGB(a);
  b = ColorToRGB(b);
  auto average = [](int channelA, int channelB) { return (channelA * 127 + channelB * 129) >> 8; };
  return RGBColor(average(RedOf(a), RedOf(b)), average(GreenOf(a), GreenOf(b)), average(BlueOf(a), BlueOf(b)));
}

}  // namespace sundrel
