#include "paint/key_region.h"

#include "paint/fast_access.h"

namespace sundrel {

std::vector<TRect> NonKeyRectangles(const TacPixels& bitmap, TColor key) {
  TacFast24 fast;
  if (!fast.Attach(bitmap)) return {{0, 0, bitmap.Width, bitmap.Height}};
  const uint8_t keyB = static_cast<uint8_t>(BlueOf(key)), keyG = static_cast<uint8_t>(GreenOf(key)),
                keyR = static_cast<uint8_t>(RedOf(key));

  std::vector<TRect> rectangles;
  size_t bandStart = 0;  // the rectangles of the band that the previous row belongs to
  std::vector<TRect> runs;
  for (int y = 0; y < fast.Height; ++y) {
    runs.clear();
    const uint8_t* row = fast.Row(y);
    auto isKey = [&](int x) { return row[3 * x] == keyB && row[3 * x + 1] == keyG && row[3 * x + 2] == keyR; };
    for (int x = 0; x < fast.Width;) {
      if (isKey(x)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < fast.Width && !isKey(x)) ++x;
      runs.push_back({start, y, x, y + 1});
    }

    // A row with the runs of the band just above makes that band one row taller.
    bool sameAsBand = !runs.empty() && runs.size() == rectangles.size() - bandStart && rectangles.back().Bottom == y;
    for (size_t i = 0; sameAsBand && i < runs.size(); ++i) {
      const TRect& above = rectangles[bandStart + i];
      sameAsBand = above.Left == runs[i].Left && above.Right == runs[i].Right;
    }
    if (sameAsBand) {
      for (size_t i = bandStart; i < rectangles.size(); ++i) rectangles[i].Bottom = y + 1;
    } else {
      bandStart = rectangles.size();
      rectangles.insert(rectangles.end(), runs.begin(), runs.end());
    }
  }
  return rectangles;
}

}  // namespace sundrel
