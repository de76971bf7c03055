// Window regions from colour-keyed bitmaps.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

#include "paint/color.h"
#include "paint/pixels.h"

namespace sundrel {

struct RegionDeleter {
  void operator()(HRGN region) const { DeleteObject(region); }
};
// Owns a region until it is handed on (SetWindowRgn takes it over: pass release()).
using UniqueRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, RegionDeleter>;

// The region of the bitmap's rectangle (0, 0, width, height) without its pixels of the key colour:
// empty for a bitmap made only of key pixels, the whole rectangle for one below 2 x 2 pixels.
UniqueRegion RegionFromKeyColor(const TacPixels& bitmap, TColor key);

}  // namespace sundrel
