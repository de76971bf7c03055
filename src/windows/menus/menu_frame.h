// The shape of a popup menu window: a filter in front of the window's procedure that keeps the
// system from painting over the skinned frame and background, and a window region cut from the
// menu's picture, less the transparent pixels of its frame's corners.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/bitmap.h"
#include "paint/geometry.h"

namespace sundrel {

// Lays the filter over the window once, and, with a picture, gives the window the picture's
// rectangle less the corner holes (less its top-left pixel when there are none) as its region,
// unless the window's handler says its frame is prepared already. Setting a region sends the
// window messages that may paint a menu again: a call made meanwhile does nothing.
void ShapeMenuWindow(HWND window, const TBitmap* picture, const std::vector<TRect>& cornerHoles);

// Whether the window has the filter now.
bool HasMenuFrameFilter(HWND window);

}  // namespace sundrel
