// What the screen shows in a rectangle, compared pixel by pixel and saved for people to look at.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sundrel::testing {

// The screen in a rectangle, 0x00BBGGRR per pixel, top row first.
struct TScreenShot {
  RECT Area{};
  std::vector<COLORREF> Pixels;
  int Width() const { return Area.right - Area.left; }
  int Height() const { return Area.bottom - Area.top; }
  COLORREF At(int x, int y) const;  // screen coordinates
  bool operator==(const TScreenShot& other) const { return Pixels == other.Pixels; }
};

TScreenShot CaptureScreen(const RECT& area);
// Saves the capture as a PNG file in the screenshot folder (nothing without one), each pixel
// enlarged `scale` times so that single pixels of a frame can be seen.
void SaveScreenshot(const TScreenShot& shot, const std::string& name, int scale = 1);

}  // namespace sundrel::testing
