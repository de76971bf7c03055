#include "paint/disabled_look.h"

#include "paint/blend.h"

namespace sundrel {

namespace {

template <typename Skip>
void GrayPixels(const TacPixels& bitmap, Skip skip) {
  if (!bitmap.Is24Bit()) return;
  for (int y = 0; y < bitmap.Height; ++y) {
    uint8_t* p = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width; ++x, p += 3) {
      if (skip(p)) continue;
      const auto grey = static_cast<uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = grey;
    }
  }
}

}  // namespace

void GrayBitmap(const TacPixels& bitmap) {
  GrayPixels(bitmap, [](const uint8_t*) { return false; });
}

void GrayBitmapExceptKey(const TacPixels& bitmap, TColor key) {
  const int keyB = BlueOf(key), keyG = GreenOf(key), keyR = RedOf(key);
  GrayPixels(bitmap, [=](const uint8_t* p) { return p[0] == keyB && p[1] == keyG && p[2] == keyR; });
}

void PaintDisabledLook(const TacPixels& bitmap, TsDisabledKind kinds, TColor controlColor, TPoint offset,
                       const TacParentImage& parent) {
  if ((kinds & dkGrayed) != 0) GrayBitmap(bitmap);
  if ((kinds & dkBlended) == 0) return;
  if (parent.Ready) {
    const int left = parent.X + offset.X, top = parent.Y + offset.Y;
    BlendImageOver(bitmap, 0, 0, clNoKey, 0.4, {left, top, left + bitmap.Width - 1, top + bitmap.Height - 1},
                   parent.Image);
  } else {
    const TColor backFill = Shared().BackFillColor;
    const TColor towards = backFill != clFuchsia ? backFill : controlColor;
    ShadeRect(bitmap, {0, 0, bitmap.Width - 1, bitmap.Height - 1}, 50, towards);
  }
}

}  // namespace sundrel
