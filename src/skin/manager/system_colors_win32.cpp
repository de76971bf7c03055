#include "skin/manager/system_colors_win32.h"

#include <windows.h>

namespace sundrel {

namespace {

class WindowsScheme final : public SystemColors {
 public:
  // COLORREF has the same 0x00BBGGRR layout as our colours.
  TColor SysColor(int number) const override { return static_cast<TColor>(GetSysColor(number)); }
};

}  // namespace

const SystemColors& WindowsSystemColors() {
  static const WindowsScheme scheme;
  return scheme;
}

}  // namespace sundrel
