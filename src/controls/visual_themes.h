// The platform's visual styles, reached at run time: the module may be missing (older systems),
// and a skinned window only ever needs to switch them off.
#pragma once

#include <windows.h>

namespace sundrel {

// Whether visual styles are in use.
bool ThemesActive();
// The window draws its native parts without visual styles from now on.
void SwitchOffWindowTheme(HWND window);
// The window's visual style as the system would choose it, after SwitchOffWindowTheme.
void RestoreWindowTheme(HWND window);

}  // namespace sundrel
