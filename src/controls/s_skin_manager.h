// The skin manager component as a window that owns one sees it: the manager, its stored internal
// skins, the program's own skin and the warning shown when a skin cannot be loaded. Windows reach the skin through this
// header of the skinned controls, never through the skin's own headers, so that where the skin keeps its files stays
// its business.
#pragma once

#include "controls/animate_control.h"
#include "skin/manager/internal_skin_win32.h"
#include "skin/manager/pack_warning_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

// A program that holds a skin manager through this header shows skin changes animated.
inline const bool kSkinChangeAnimated = (RegisterSkinChangeAnimation(), true);

}  // namespace sundrel
