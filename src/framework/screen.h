// What the framework needs to know about the screen.
#pragma once

#include <windows.h>

namespace sundrel {

// The resolution the window layouts are designed at.
inline constexpr int kDesignPixelsPerInch = 96;

int ScreenPixelsPerInch();
// The work area (the screen without the task bar) of the monitor nearest to the window; the
// primary monitor's when the window is nullptr.
RECT WorkAreaOf(HWND window);
// The font the system uses for the text of its message boxes.
LOGFONTW MessageFontInfo();

}  // namespace sundrel
