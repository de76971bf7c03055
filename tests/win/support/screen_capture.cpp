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

void SaveScreenshot(const TScreenShot& shot, const std::string& name) {
  const std::string folder = ScreenshotFolder();
  if (folder.empty()) return;
  std::vector<uint8_t> rgb;
  rgb.reserve(shot.Pixels.size() * 3);
  for (COLORREF pixel : shot.Pixels) {
    rgb.push_back(GetRValue(pixel));
    rgb.push_back(GetGValue(pixel));
    rgb.push_back(GetBValue(pixel));
  }
  WritePng(folder + name, shot.Width(), shot.Height(), rgb);
}

}  // namespace sundrel::testing
