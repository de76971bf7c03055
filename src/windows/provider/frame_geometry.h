// The sizes of a form's frame as the system makes it: a skinned frame is painted into them and
// never changes them, so the client area stays where the form's layout expects it.
#pragma once

#include <windows.h>

#include "framework/forms.h"

namespace sundrel {

bool HasFrame(const TCustomForm& form);
// The width of the left and right frame strips and the height of the top and bottom ones: 0
// without a frame, the sizing frame for a sizeable border, the fixed frame otherwise.
int FrameWidth(const TCustomForm& form);
int FrameHeight(const TCustomForm& form);
// The caption's height (the small one of a tool window), 0 without a caption.
int TitleHeight(TCustomForm& form);
bool IsToolWindow(TCustomForm& form);
// The window's size as the system has it now (a form learns of a new size only after WM_SIZE).
SIZE WindowSize(HWND window);
// Where the client area's top-left corner lies in the window.
POINT ClientOffset(HWND window);
// The side of the title icon that fits a title bar of the height: 0, 8, 16 or 32 pixels.
int TitleIconSide(int titleHeight);

}  // namespace sundrel
