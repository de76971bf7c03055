// The system colours as the user's scheme has them, for the skins that the program loads.
#pragma once

#include "skin/model/system_colors.h"

namespace sundrel {

// The scheme the user has chosen, asked from the system at every call.
const SystemColors& WindowsSystemColors();

}  // namespace sundrel
