#include "paint/dib_pixels_win32.h"

#include <vector>

namespace sundrel {

namespace {

// GetObject reports a DIB section's height without its sign, so the header cannot say whether the
// rows run bottom-up. GetBitmapBits always hands out the top row first: mark the first byte in
// memory and see whether it comes back as the top row's. Two different marks rule out a bottom
// row that merely holds the same byte.
bool RowsRunTopDown(HBITMAP bitmap, uint8_t* bits, const BITMAP& header) {
  if (header.bmHeight < 2) return true;  // one row reads the same either way
  const LONG topRowBytes = ((header.bmWidth * header.bmBitsPixel + 15) / 16) * 2;
  std::vector<uint8_t> topRow(topRowBytes);
  const uint8_t saved = bits[0];
  bool topDown = true;
  for (const uint8_t mark : {static_cast<uint8_t>(saved ^ 0x55), static_cast<uint8_t>(saved ^ 0xAA)}) {
    bits[0] = mark;
    if (GetBitmapBits(bitmap, topRowBytes, topRow.data()) != topRowBytes || topRow[0] != mark) {
      topDown = false;
      break;
    }
  }
  bits[0] = saved;
  return topDown;
}

}  // namespace

TacPixels PixelsOfDibSection(HBITMAP bitmap) {
  DIBSECTION dib{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBits == nullptr) {
    return {};
  }
  const int bytesPerPixel = dib.dsBm.bmBitsPixel / 8;
  if ((bytesPerPixel != 3 && bytesPerPixel != 4) || dib.dsBm.bmWidth <= 0 || dib.dsBm.bmHeight <= 0) return {};
  GdiFlush();  // GDI may still be drawing into the bits

  TacPixels pixels;
  pixels.Width = dib.dsBm.bmWidth;
  pixels.Height = dib.dsBm.bmHeight;
  pixels.BytesPerPixel = bytesPerPixel;
  // Rows of a device-independent bitmap are always padded to four bytes.
  const ptrdiff_t stride = (static_cast<ptrdiff_t>(pixels.Width) * bytesPerPixel + 3) & ~ptrdiff_t{3};
  auto* bits = static_cast<uint8_t*>(dib.dsBm.bmBits);
  const bool topDown = RowsRunTopDown(bitmap, bits, dib.dsBm);
  pixels.Row0 = topDown ? bits : bits + stride * (pixels.Height - 1);
  pixels.RowDelta = topDown ? stride : -stride;
  return pixels;
}

void CopyPixelsToDC(HDC dc, int x, int y, const TacPixels& pixels) {
  const ptrdiff_t stride = (3 * static_cast<ptrdiff_t>(pixels.Width) + 3) & ~ptrdiff_t{3};
  if (!pixels.Is24Bit() || pixels.Width <= 0 || pixels.Height <= 0 ||
      (pixels.RowDelta != stride && pixels.RowDelta != -stride)) {
    return;
  }
  const bool topDown = pixels.RowDelta > 0;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = pixels.Width;
  info.bmiHeader.biHeight = topDown ? -pixels.Height : pixels.Height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  // The block starts with the row that lies lowest in memory.
  const uint8_t* block = topDown ? pixels.Row0 : pixels.Row(pixels.Height - 1);
  SetDIBitsToDevice(dc, x, y, pixels.Width, pixels.Height, 0, 0, 0, pixels.Height, block, &info, DIB_RGB_COLORS);
}

}  // namespace sundrel
