// Gradients painted into the DIB section selected in a device context.
#pragma once

#include <windows.h>

#include "paint/gradient.h"

namespace sundrel {

// As the portable PaintGradient on the context's selected 24-bit DIB section, except that the
// mesh goes through the system's triangle gradient fill. Nothing is painted when the context
// has no 24-bit DIB section selected.
void PaintGradient(HDC dc, const TRect& rect, const TsGradArray& steps);

}  // namespace sundrel
