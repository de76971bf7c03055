#include "screen_capture.h"

#include <cstdint>

#include "png/png_writer.h"
#include "screenshot_folder.h"

namespace sundrel::testing {

COLORREF TScreenShot::At(int x, int y) const {
  return Pixels.at(static_cast<size_t>(y - Area.top) * Width() + (x - Area.left));
}

TScreenShot CaptureScreen(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  TScreenShot shot{area, {}};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) {
    const uint32_t p = pixels[i];  // BGRA in memory
    shot.Pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  }
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

void SaveScreenshot(const TScreenShot& shot, const std::string& name, int scale) {
  const std::string folder = ScreenshotFolder();
  if (folder.empty()) return;
  const int width = shot.Width() * scale, height = shot.Height() * scale;
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF pixel = shot.Pixels[static_cast<size_t>(y / scale) * shot.Width() + x / scale];
      rgb.insert(rgb.end(), {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)});
    }
  }
  WritePng(folder + name, width, height, rgb);
}

}  // namespace sundrel::testing
