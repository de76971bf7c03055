#include <windows.h>

#include "paint/color.h"

namespace sundrel {

TColor SystemColorRGB(int index) {
  return static_cast<TColor>(GetSysColor(index));
}

}  // namespace sundrel
