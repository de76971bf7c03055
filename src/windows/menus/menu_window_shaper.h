// How a popup menu window takes the frame and shape of the picture painted for it. The painter
// hands every window it found over here; the menu windows' own shaping (menu_frame.h) does the
// work unless another shaper was set in its place (a test that watches which windows are shaped).
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

// An empty shaper brings the menu windows' own shaping back.
void SetMenuWindowShaper(TMenuWindowShaper shaper);
const TMenuWindowShaper& MenuWindowShaper();

}  // namespace sundrel
