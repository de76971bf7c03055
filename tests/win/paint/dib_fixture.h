// A DIB section selected into a memory device context, for painting tests on real GDI objects.
#pragma once

#include <windows.h>

#include "paint/color.h"
#include "paint/pixels.h"

namespace sundrel::testing {

class DibCanvas {
 public:
  // bitsPerPixel 8, 24 or 32; a bottom-up section unless topDown is set. Starts filled with fill.
  DibCanvas(int width, int height, int bitsPerPixel = 24, bool topDown = false, TColor fill = clBlack);
  ~DibCanvas();
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }
  TacPixels Pixels() const;
  // The pixel as GDI reads it, as 0x00BBGGRR.
  TColor Pixel(int x, int y) const { return static_cast<TColor>(GetPixel(dc_, x, y)); }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace sundrel::testing
