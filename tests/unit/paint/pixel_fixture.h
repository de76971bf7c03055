// Small bitmaps for pixel tests, written and read as 0x00BBGGRR colours.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "paint/color.h"
#include "paint/pixels.h"

namespace sundrel::testing {

TColor PixelAt(const TacPixels& pixels, int x, int y);
void SetPixelAt(const TacPixels& pixels, int x, int y, TColor color);
void FillPixels(const TacPixels& pixels, TColor color);

// A 24-bit (or 32-bit) bitmap with the given pixels, row by row from the top.
TacMemBitmap BitmapOf(int width, int height, std::initializer_list<TColor> pixels, bool bottomUp = false,
                      int bytesPerPixel = 3);
// A bitmap of one colour.
TacMemBitmap SolidBitmap(int width, int height, TColor color, bool bottomUp = false, int bytesPerPixel = 3);

// All pixels, row by row from the top.
std::vector<TColor> AllPixels(const TacPixels& pixels);

// "(r, g, b)" for failure messages.
std::string Describe(TColor color);

}  // namespace sundrel::testing
