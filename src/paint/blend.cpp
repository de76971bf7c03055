#include "paint/blend.h"

#include <algorithm>

#include "paint/copy_area.h"
#include "paint/fast_access.h"
#include "paint/rounding.h"

namespace sundrel {

void MaskBlendBytes(uint8_t* destination, const uint8_t* skin, const uint8_t* mask, int count) {
  // 16-bit lanes suffice: D*M + S*(256 - M) is at most 255*256.
  for (int i = 0; i < count; ++i) {
    const uint16_t m = mask[i];
    const auto sum = static_cast<uint16_t>(destination[i] * m + skin[i] * static_cast<uint16_t>(256 - m));
    destination[i] = static_cast<uint8_t>(sum >> 8);
  }
}

void MergeBitmaps(const TacPixels& destination, const TacPixels& source, int weight) {
  if (destination.Width != source.Width || destination.Height != source.Height) return;
  TacFastSum24 sum;
  if (!sum.Attach(destination, source)) return;
  sum.Weight = static_cast<uint8_t>(LimitToByte(weight));
  sum.DstRect = {0, 0, sum.Width, sum.Height};
  sum.SrcRect = sum.DstRect;
  sum.BlendBytes();
}

void MergeBitmapRect(const TacPixels& destination, const TacPixels& source, int weight, TPoint point,
                     const TRect& sourceRect) {
  TacFastSum24 sum;
  if (!sum.Attach(destination, source)) return;
  const TacCopyArea area =
      ClipCopyArea(sourceRect, source.Width, source.Height, point.X, point.Y, destination.Width, destination.Height);
  if (area.IsEmpty()) return;
  sum.Weight = static_cast<uint8_t>(LimitToByte(weight));
  sum.DstRect = {area.DstX, area.DstY, area.DstX + area.Width, area.DstY + area.Height};
  sum.SrcRect = {area.SrcX, area.SrcY, area.SrcX + area.Width, area.SrcY + area.Height};
  sum.BlendBytes();
}

void BlendImageOver(const TacPixels& destination, int x, int y, TColor key, double transparency,
                    const TRect& inclusiveSourceRect, const TacPixels& source) {
  if (!destination.Is24Bit() || !(source.Is24Bit() || source.Is32Bit())) return;
  const TacCopyArea area = ClipCopyArea(FromInclusive(inclusiveSourceRect), source.Width, source.Height, x, y,
                                        destination.Width, destination.Height);
  if (area.IsEmpty()) return;
  // Shares outside 0..1 (or not a number) would leave the byte range.
  transparency = transparency > 0 ? std::min(transparency, 1.0) : 0.0;
  const bool keyed = !IsSystemColor(key);
  const int keyB = BlueOf(key), keyG = GreenOf(key), keyR = RedOf(key);
  const int step = source.BytesPerPixel;
  for (int j = 0; j < area.Height; ++j) {
    const uint8_t* s = source.Row(area.SrcY + j) + step * area.SrcX;
    uint8_t* d = destination.Row(area.DstY + j) + 3 * area.DstX;
    for (int i = 0; i < area.Width; ++i, s += step, d += 3) {
      if (keyed && s[0] == keyB && s[1] == keyG && s[2] == keyR) continue;
      for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>(RoundHalfEven(s[c] - (s[c] - d[c]) * transparency));
    }
  }
}

void TintByMask(const TacPixels& bitmap, const TacPixels& mask, TColor color) {
  if (!bitmap.Is24Bit() || !mask.Is24Bit() || bitmap.Width != mask.Width || bitmap.Height != mask.Height) return;
  color = ColorToRGB(color);
  const int tint[3] = {BlueOf(color), GreenOf(color), RedOf(color)};
  for (int y = 0; y < bitmap.Height; ++y) {
    uint8_t* p = bitmap.Row(y);
    const uint8_t* m = mask.Row(y);
    for (int i = 0; i < 3 * bitmap.Width; i += 3) {
      // C*256 + M*(P - C) = C*(256 - M) + M*P: never negative, never above 255*256.
      for (int c = 0; c < 3; ++c)
        p[i + c] = static_cast<uint8_t>((tint[c] * (256 - m[i + c]) + m[i + c] * p[i + c]) >> 8);
    }
  }
}

void ShadeRect(const TacPixels& bitmap, const TRect& inclusiveRect, int percent, TColor color) {
  if (!bitmap.Is24Bit()) return;
  const TRect r = ClipToSize(FromInclusive(inclusiveRect), bitmap.Width, bitmap.Height);
  if (r.IsEmpty()) return;
  percent = std::clamp(percent, 0, 100);
  color = ColorToRGB(color);
  // One table per channel: (P*p + C*(100 - p)) / 100, the exact value of the rule, rounded.
  uint8_t shaded[3][256];
  const int target[3] = {BlueOf(color), GreenOf(color), RedOf(color)};
  for (int c = 0; c < 3; ++c) {
    for (int p = 0; p < 256; ++p) {
      shaded[c][p] = static_cast<uint8_t>(DivRoundHalfEven(p * percent + target[c] * (100 - percent), 100));
    }
  }
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint8_t* p = bitmap.Row(y) + 3 * r.Left;
    for (int i = 0; i < r.Width(); ++i, p += 3) {
      p[0] = shaded[0][p[0]];
      p[1] = shaded[1][p[1]];
      p[2] = shaded[2][p[2]];
    }
  }
}

}  // namespace sundrel
