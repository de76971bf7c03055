#include "dib_fixture.h"

#include <stdexcept>

#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"

namespace sundrel::testing {

DibCanvas::DibCanvas(int width, int height, int bitsPerPixel, bool topDown, TColor fill) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{};
  info.header.biSize = sizeof(info.header);
  info.header.biWidth = width;
  info.header.biHeight = topDown ? -height : height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.header.biCompression = BI_RGB;
  for (int i = 0; i < 256; ++i) info.colors[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  dc_ = CreateCompatibleDC(nullptr);
  if (bitmap_ == nullptr || dc_ == nullptr) throw std::runtime_error("cannot create a DIB section");
  previous_ = SelectObject(dc_, bitmap_);
  FillRectSolid(dc_, {0, 0, width, height}, fill);
}

DibCanvas::~DibCanvas() {
  SelectObject(dc_, previous_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

TacPixels DibCanvas::Pixels() const {
  return PixelsOfDibSection(bitmap_);
}

}  // namespace sundrel::testing
