#include <algorithm>
#include <cstring>

#include "paint/gradient.h"
#include "paint/gradient_mesh.h"
#include "paint/rounding.h"
#include "paint/solid_fill.h"

namespace sundrel {

namespace {

// The running colour of a step: single-precision channels that advance by double-precision
// increments, so long steps drift exactly as the skins were designed with.
class RunningColor {
 public:
  RunningColor(const TsGradStep& step, int distance)
      : red_(static_cast<float>(RedOf(step.StartColor))),
        green_(static_cast<float>(GreenOf(step.StartColor))),
        blue_(static_cast<float>(BlueOf(step.StartColor))),
        redStep_(static_cast<double>(RedOf(step.EndColor) - RedOf(step.StartColor)) / distance),
        greenStep_(static_cast<double>(GreenOf(step.EndColor) - GreenOf(step.StartColor)) / distance),
        blueStep_(static_cast<double>(BlueOf(step.EndColor) - BlueOf(step.StartColor)) / distance) {}

  // The rounded colour as blue, green, red bytes, then one step on.
  void Next(uint8_t* bgr) {
    bgr[0] = static_cast<uint8_t>(LimitToByte(RoundHalfEven(blue_)));
    bgr[1] = static_cast<uint8_t>(LimitToByte(RoundHalfEven(green_)));
    bgr[2] = static_cast<uint8_t>(LimitToByte(RoundHalfEven(red_)));
    red_ = static_cast<float>(red_ + redStep_);
    green_ = static_cast<float>(green_ + greenStep_);
    blue_ = static_cast<float>(blue_ + blueStep_);
  }

 private:
  float red_, green_, blue_;
  double redStep_, greenStep_, blueStep_;
};

// A step's percent; arrays built by hand may hold any number, and a negative one would move the
// painting out of its rectangle.
int ShareOf(const TsGradStep& step) {
  return std::clamp(step.Percent, 0, 100);
}

void PaintVertical(const TacPixels& bitmap, const TRect& r, const TsGradArray& steps) {
  const int lastRow = r.Bottom - 1;
  int current = r.Top;
  for (size_t i = 0; i < steps.size(); ++i) {
    const int start = current;
    const int end =
        i + 1 == steps.size()
            ? lastRow
            : static_cast<int>(std::min<int64_t>(start + int64_t{ShareOf(steps[i])} * r.Height() / 100, lastRow));
    current = end;
    if (end <= start) continue;
    // Every row from start to end inclusive: the row between two steps is painted twice and keeps
    // the second step's first colour.
    RunningColor color(steps[i], end - start);
    uint8_t bgr[3];
    for (int y = start; y <= end; ++y) {
      color.Next(bgr);
      FillRun(bitmap.Row(y) + 3 * r.Left, r.Width(), bgr);
    }
  }
}

void PaintHorizontal(const TacPixels& bitmap, const TRect& r, const TsGradArray& steps) {
  // Every row gets the same columns: paint the first and copy what was painted to the others.
  const int lastColumn = r.Right - 1;
  const double columnsPerPercent = r.Width() / 100.0;
  uint8_t* first = bitmap.Row(r.Top);
  int current = r.Left, paintedEnd = r.Left;
  for (size_t i = 0; i < steps.size(); ++i) {
    const int start = current;
    const int end = i + 1 == steps.size()
                        ? lastColumn
                        : std::min(RoundHalfEven(ShareOf(steps[i]) * columnsPerPercent + start), lastColumn);
    current = end;
    if (end <= start) continue;
    RunningColor color(steps[i], end - start);
    for (int x = start; x <= end; ++x) color.Next(first + 3 * x);
    paintedEnd = end + 1;
  }
  const size_t bytes = 3 * static_cast<size_t>(paintedEnd - r.Left);
  for (int y = r.Top + 1; y < r.Bottom; ++y) std::memcpy(bitmap.Row(y) + 3 * r.Left, first + 3 * r.Left, bytes);
}

}  // namespace

void PaintGradient(const TacPixels& bitmap, const TRect& rect, const TsGradArray& steps) {
  if (steps.empty() || !bitmap.Is24Bit()) return;
  const TRect r = ClipToSize(rect, bitmap.Width, bitmap.Height);
  if (r.IsEmpty()) return;
  switch (steps.front().Direction) {
    case gdVertical:
      PaintVertical(bitmap, r, steps);
      break;
    case gdHorizontal:
      PaintHorizontal(bitmap, r, steps);
      break;
    case gdMesh:
      PaintMesh(bitmap, r, steps);
      break;
  }
}

}  // namespace sundrel
