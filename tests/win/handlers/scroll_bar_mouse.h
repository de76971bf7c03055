// The mouse on a window's skinned vertical bar as the system delivers it: points on the bar taken
// from the handler's own geometry, and presses, moves and releases posted to the window.
#pragma once

#include <windows.h>

#include "windows/scroll/ac_scroll_wnd.h"

namespace sundrel::testing {

// Screen points on the handler's vertical bar: the arrows' centres, the thumb's centre.
POINT UpArrowPoint(const TacScrollWnd& handler);
POINT DownArrowPoint(const TacScrollWnd& handler);
POINT ThumbPoint(const TacScrollWnd& handler);

// Posts the press at the screen point as the system would after hit-testing it.
void PressAt(HWND window, POINT screen);
void MoveTo(HWND window, POINT screen);
void ReleaseAt(HWND window, POINT screen);

}  // namespace sundrel::testing
