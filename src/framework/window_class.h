// Registration of the framework's window classes, one per C++ class.
#pragma once

#include <windows.h>

#include "framework/win_control.h"

namespace sundrel {

// Registers the window class of the parameters once (superclassing the native class they name)
// and answers the procedure that handles what the control leaves to the window's default.
WNDPROC EnsureWindowClass(const TCreateParams& params);

// The default procedure of a framework window class, for windows whose control is gone.
WNDPROC DefaultProcedureOf(HWND window);

}  // namespace sundrel
