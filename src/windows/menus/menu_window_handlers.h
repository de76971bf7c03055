// Popup menu windows are made by the system, so they are skinned as they are created: while the
// token lives, the automatic skinning gives every new "#32768" window a TacMnuWnd of the default
// manager, unless something answers for the window already.
#pragma once

#include "framework/removal_token.h"

namespace sundrel {

[[nodiscard]] TRemovalToken HandleMenuWindows();

}  // namespace sundrel
