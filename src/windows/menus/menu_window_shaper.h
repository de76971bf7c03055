// How a popup menu window takes the frame and shape of the picture painted for it. That belongs
// to the handling of menu windows, which hands its shaper over here; until one is handed over,
// menu windows keep the system's shape and the painter still paints their items and frame.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "framework/bitmap.h"
#include "paint/geometry.h"

namespace sundrel {

// The window, the picture of the whole menu (the window's size; none when the painter has none
// now), and the transparent pixels of the picture's corners that the window's shape leaves out.
using TMenuWindowShaper =
    std::function<void(HWND window, const TBitmap* picture, const std::vector<TRect>& cornerHoles)>;

void SetMenuWindowShaper(TMenuWindowShaper shaper);
const TMenuWindowShaper& MenuWindowShaper();

}  // namespace sundrel
