#include "pixel_fixture.h"

#include <cstdio>

namespace sundrel::testing {

TColor PixelAt(const TacPixels& pixels, int x, int y) {
  const uint8_t* p = pixels.Row(y) + pixels.BytesPerPixel * x;
  return RGBColor(p[2], p[1], p[0]);
}

void SetPixelAt(const TacPixels& pixels, int x, int y, TColor color) {
  uint8_t* p = pixels.Row(y) + pixels.BytesPerPixel * x;
  p[0] = static_cast<uint8_t>(BlueOf(color));
  p[1] = static_cast<uint8_t>(GreenOf(color));
  p[2] = static_cast<uint8_t>(RedOf(color));
  if (pixels.BytesPerPixel == 4) p[3] = 0x5A;  // an alpha byte that nothing may read
}

void FillPixels(const TacPixels& pixels, TColor color) {
  for (int y = 0; y < pixels.Height; ++y) {
    for (int x = 0; x < pixels.Width; ++x) SetPixelAt(pixels, x, y, color);
  }
}

TacMemBitmap BitmapOf(int width, int height, std::initializer_list<TColor> pixels, bool bottomUp, int bytesPerPixel) {
  TacMemBitmap bitmap(width, height, bytesPerPixel, bottomUp);
  auto next = pixels.begin();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width && next != pixels.end(); ++x) SetPixelAt(bitmap.Pixels(), x, y, *next++);
  }
  return bitmap;
}

TacMemBitmap SolidBitmap(int width, int height, TColor color, bool bottomUp, int bytesPerPixel) {
  TacMemBitmap bitmap(width, height, bytesPerPixel, bottomUp);
  FillPixels(bitmap.Pixels(), color);
  return bitmap;
}

std::vector<TColor> AllPixels(const TacPixels& pixels) {
  std::vector<TColor> all;
  for (int y = 0; y < pixels.Height; ++y) {
    for (int x = 0; x < pixels.Width; ++x) all.push_back(PixelAt(pixels, x, y));
  }
  return all;
}

std::string Describe(TColor color) {
  char text[32];
  std::snprintf(text, sizeof(text), "(%d, %d, %d)", RedOf(color), GreenOf(color), BlueOf(color));
  return text;
}

}  // namespace sundrel::testing
