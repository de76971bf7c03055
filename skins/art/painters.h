// The Tidewater images: one painter per kind of image, and which image reference each paints.
#pragma once

#include <map>
#include <string>

#include "options_reader.h"
#include "raster.h"

namespace tidewater {

// Draws every cell of the reference (and its mask) into the master bitmap.
using Painter = void (*)(Picture& master, const ImageRef& ref);

// The painter of each image reference of the options text, by "SECTION/KEY".
const std::map<std::string, Painter>& Painters();

// The bitmap of its own that "BUTTON_HUGE" names: the button's three cells at 96 x 96, with
// their masks below them.
Picture DrawButtonHuge(const ImageRef& ref);

}  // namespace tidewater
