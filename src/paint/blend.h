// Per-pixel blends of 24-bit working bitmaps. Integer blends use the exact shifts written here;
// real-valued ones round to the nearest integer with ties to even. Everything is clipped to the
// bitmaps involved; operations on bitmaps of another pixel format do nothing.
#pragma once

#include <cstdint>

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/pixels.h"

namespace sundrel {

// The rule of every alpha-masked skin image, per channel: LimitToByte(((D - S)*M + S*256) shr 8),
// which is D*M + S*(256 - M) shr 8 and never leaves 0..255. A black mask (0) gives the skin pixel
// S; a white one (255) gives (S + 255*D) shr 8, practically the destination D.
inline uint8_t MaskBlend(uint8_t skin, uint8_t destination, uint8_t mask) {
  return static_cast<uint8_t>((destination * mask + skin * (256 - mask)) >> 8);
}

// The mask blend over a run of bytes (a row of 24-bit pixels is three bytes per pixel).
void MaskBlendBytes(uint8_t* destination, const uint8_t* skin, const uint8_t* mask, int count);

// Both bitmaps of the same size: D := (D*weight + S*(255 - weight)) / 255, rounded, for every byte.
// Weight 255 keeps the destination, 0 copies the source. Nothing happens for bitmaps of
// different sizes or below 2 x 2 pixels.
void MergeBitmaps(const TacPixels& destination, const TacPixels& source, int weight);

// The same rule for the source rectangle placed with its corner at the point.
void MergeBitmapRect(const TacPixels& destination, const TacPixels& source, int weight, TPoint point,
                     const TRect& sourceRect);

// Writes round(S - (S - D)*transparency) per channel for the source rectangle (inclusive) placed
// at (x, y): transparency (taken within 0..1) 0 copies, 1 leaves the destination. Source pixels equal to the key are
// skipped unless the key is a system colour value (clNoKey): then every pixel is blended. The
// source may be a 24-bit or 32-bit bitmap.
void BlendImageOver(const TacPixels& destination, int x, int y, TColor key, double transparency,
                    const TRect& inclusiveSourceRect, const TacPixels& source);

// Bitmap and mask of the same size: P := LimitToByte((C*256 + M*(P - C)) shr 8) per channel; a
// white mask keeps the pixel, a black one gives the colour.
void TintByMask(const TacPixels& bitmap, const TacPixels& mask, TColor color);

// Every pixel of the rectangle (inclusive) becomes round(P*p/100 + C*(1 - p/100)) per channel,
// computed exactly: percent 100 keeps the bitmap, 0 fills it with the (resolved) colour.
void ShadeRect(const TacPixels& bitmap, const TRect& inclusiveRect, int percent, TColor color);

}  // namespace sundrel
