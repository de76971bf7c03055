#include "paint/key_region_win32.h"

#include <cstring>

#include "paint/key_region.h"

namespace sundrel {

namespace {

// The region is built in one call from the rectangles that remain, rather than by taking every
// run of holes out of the whole rectangle one at a time: same pixels, far fewer calls.
UniqueRegion RegionOfRectangles(const std::vector<TRect>& rectangles, int width, int height) {
  if (rectangles.empty()) return UniqueRegion(CreateRectRgn(0, 0, 0, 0));
  std::vector<uint8_t> buffer(sizeof(RGNDATAHEADER) + rectangles.size() * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof(header);
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(rectangles.size());
  header.nRgnSize = static_cast<DWORD>(rectangles.size() * sizeof(RECT));
  header.rcBound = {0, 0, width, height};
  std::memcpy(buffer.data(), &header, sizeof(header));
  for (size_t i = 0; i < rectangles.size(); ++i) {
    const TRect& r = rectangles[i];
    const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    std::memcpy(buffer.data() + sizeof(header) + i * sizeof(RECT), &rect, sizeof(rect));
  }
  return UniqueRegion(
      ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), reinterpret_cast<const RGNDATA*>(buffer.data())));
}

}  // namespace

UniqueRegion RegionFromKeyColor(const TacPixels& bitmap, TColor key) {
  return RegionOfRectangles(NonKeyRectangles(bitmap, key), bitmap.Width, bitmap.Height);
}

UniqueRegion RegionWithout(int width, int height, const std::vector<TRect>& holes) {
  return RegionOfRectangles(RectanglesWithout(width, height, holes), width, height);
}

}  // namespace sundrel
