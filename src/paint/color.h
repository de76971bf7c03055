// Colours are 32-bit values laid out as 0x00BBGGRR (red in the low byte); -1 means no colour. A
// value whose high byte is 0xFF names a system colour and is resolved to RGB before any arithmetic.
#pragma once

#include <cstdint>

namespace sundrel {

using TColor = int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clRed = 0x0000FF;
// The key colour: a pixel of exactly this colour is transparent. It also marks a colour parameter
// or painting global as not set.
inline constexpr TColor clFuchsia = 0xFF00FF;
// A colour with the system-colour high byte: used where "no key" has to be said with a colour.
inline constexpr TColor clNoKey = -1;
// No colour at all: what is painted in it is not painted.
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr int RedOf(TColor c) {
  return c & 0xFF;
}
inline constexpr int GreenOf(TColor c) {
  return (c >> 8) & 0xFF;
}
inline constexpr int BlueOf(TColor c) {
  return (c >> 16) & 0xFF;
}
inline constexpr TColor RGBColor(int red, int green, int blue) {
  return red | (green << 8) | (blue << 16);
}
inline constexpr bool IsSystemColor(TColor c) {
  return (static_cast<uint32_t>(c) >> 24) == 0xFF;
}
// A system colour value: 0xFF in the high byte, the system's colour number in the low byte.
inline constexpr TColor SystemColor(int number) {
  return static_cast<TColor>(0xFF000000u | unsigned(number));
}
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clBtnHighlight = SystemColor(20);

inline constexpr int LimitToByte(int value) {
  return value < 0 ? 0 : (value > 255 ? 255 : value);
}

// The RGB value of a system colour index (0 for an unknown index, as the system answers).
TColor SystemColorRGB(int index);

// System colours become their RGB value; every other colour comes back unchanged.
TColor ColorToRGB(TColor color);

// Per channel round(w*(A - B) + B) on the resolved colours, w taken within 0..1; the high byte
// is A's.
TColor MixColors(TColor a, TColor b, double weight);

// Per channel (A*127 + B*129) shr 8 on the resolved colours.
TColor AverageColors(TColor a, TColor b);

// The colour with its hue turned by the given number of degrees; greys keep their value.
TColor ShiftHue(int degrees, TColor color);

// Moves every channel towards (positive amount) or away from (negative) the colour's grey value:
// c + amount*(grey - c)/100, rounded and limited to a byte; amount 100 gives the grey.
TColor ShiftSaturation(TColor color, int amount);

}  // namespace sundrel
