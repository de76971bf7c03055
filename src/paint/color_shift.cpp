// Hue and saturation shifts, applied by the skin manager to every colour of a freshly loaded skin.
#include <algorithm>

#include "paint/color.h"
#include "paint/rounding.h"

namespace sundrel {

TColor ShiftHue(int degrees, TColor color) {
  color = ColorToRGB(color);
  const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
  const int v = std::max({r, g, b});
  const int d = v - std::min({r, g, b});
  if (d == 0) return color;  // a grey (or black) has no hue to turn
  const double s = static_cast<double>(d) / v;

  double hue;
  if (r == v) {
    hue = 60.0 * (g - b) / d;
  } else if (g == v) {
    hue = 120.0 + 60.0 * (b - r) / d;
  } else {
    hue = 240.0 + 60.0 * (r - g) / d;
  }
  if (hue < 0) hue += 360;

  // A turn backwards lands in the same place as the matching turn forwards.
  int turned = RoundHalfEven(hue + degrees % 360) % 360;
  if (turned < 0) turned += 360;

  const int sector = turned / 60;
  const double f = turned / 60.0 - sector;
  auto channel = [](double value) { return LimitToByte(RoundHalfEven(value)); };
  const int p = channel(v * (1 - s));
  const int q = channel(v * (1 - f * s));
  const int t = channel(v * (1 - (1 - f) * s));
  switch (sector) {
    case 0:
      return RGBColor(v, t, p);
    case 1:
      return RGBColor(q, v, p);
    case 2:
      return RGBColor(p, v, t);
    case 3:
      return RGBColor(p, q, v);
    case 4:
      return RGBColor(t, p, v);
    default:
      return RGBColor(v, p, q);
  }
}

TColor ShiftSaturation(TColor color, int amount) {
  if (amount == 0) return color;
  color = ColorToRGB(color);
  const int64_t sum = RedOf(color) + GreenOf(color) + BlueOf(color);
  // c + amount*(sum/3 - c)/100 in exact integers: (300c + amount*(sum - 3c)) / 300.
  auto shift = [&](int64_t c) {
    return LimitToByte(static_cast<int>(
        std::clamp<int64_t>(DivRoundHalfEven(300 * c + static_cast<int64_t>(amount) * (sum - 3 * c), 300), -1, 256)));
  };
  return RGBColor(shift(RedOf(color)), shift(GreenOf(color)), shift(BlueOf(color)));
}

}  // namespace sundrel
