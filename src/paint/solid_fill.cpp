#include "paint/solid_fill.h"

#include <cstring>

namespace sundrel {

void FillRun(uint8_t* p, int count, const uint8_t* bgr) {
  // 16 pixels fill exactly three 16-byte blocks.
  uint8_t block[48];
  for (int i = 0; i < 48; i += 3) std::memcpy(block + i, bgr, 3);
  for (; count >= 16; count -= 16, p += 48) std::memcpy(p, block, 48);
  if (count > 0) std::memcpy(p, block, 3 * static_cast<size_t>(count));
}

void FillSolidRect(const TacPixels& bitmap, const TRect& rect, TColor color) {
  if (!bitmap.Is24Bit()) return;
  const TRect r = ClipToSize(rect, bitmap.Width, bitmap.Height);
  if (r.IsEmpty()) return;
  color = ColorToRGB(color);
  const uint8_t bgr[3] = {static_cast<uint8_t>(BlueOf(color)), static_cast<uint8_t>(GreenOf(color)),
                          static_cast<uint8_t>(RedOf(color))};
  // The first row is filled, the others copied from it.
  uint8_t* first = bitmap.Row(r.Top) + 3 * r.Left;
  FillRun(first, r.Width(), bgr);
  const size_t bytes = 3 * static_cast<size_t>(r.Width());
  for (int y = r.Top + 1; y < r.Bottom; ++y) std::memcpy(bitmap.Row(y) + 3 * r.Left, first, bytes);
}

}  // namespace sundrel
