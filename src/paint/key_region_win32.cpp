#include "paint/key_region_win32.h"

#include <cstring>
#include <vector>

#include "paint/key_region.h"

namespace sundrel {

UniqueRegion RegionFromKeyColor(const TacPixels& bitmap, TColor key) {
  const std::vector<TRect> rectangles = NonKeyRectangles(bitmap, key);
  if (rectangles.empty()) return UniqueRegion(CreateRectRgn(0, 0, 0, 0));

  // The region is built in one call from the rectangles that remain, rather than by taking every
  // run of key pixels out of the whole rectangle one at a time: same pixels, far fewer calls.
  std::vector<uint8_t> buffer(sizeof(RGNDATAHEADER) + rectangles.size() * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof(header);
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(rectangles.size());
  header.nRgnSize = static_cast<DWORD>(rectangles.size() * sizeof(RECT));
  header.rcBound = {0, 0, bitmap.Width, bitmap.Height};
  std::memcpy(buffer.data(), &header, sizeof(header));
  for (size_t i = 0; i < rectangles.size(); ++i) {
    const TRect& r = rectangles[i];
    const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    std::memcpy(buffer.data() + sizeof(header) + i * sizeof(RECT), &rect, sizeof(rect));
  }
  return UniqueRegion(
      ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), reinterpret_cast<const RGNDATA*>(buffer.data())));
}

}  // namespace sundrel
