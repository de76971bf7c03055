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
// Saves the capture as a PNG file in the screenshot folder (nothing without one).
void SaveScreenshot(const TScreenShot& shot, const std::string& name);

}  // namespace sundrel::testing
