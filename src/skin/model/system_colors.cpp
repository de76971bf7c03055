#include "skin/model/system_colors.h"

#include <array>

namespace sundrel {

namespace {

// 0x00BBGGRR values of the classic scheme, by system colour number.
constexpr std::array<TColor, 31> kClassicScheme = {
    0xC8C8C8,  // scroll bar
    0xA56E3A,  // desktop
    0x6A240A,  // active caption
    0x808080,  // inactive caption
    0xC8D0D4,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC8D0D4,  // active border
    0xC8D0D4,  // inactive border
    0x808080,  // application workspace
    0x6A240A,  // highlight
    0xFFFFFF,  // highlight text
    0xC8D0D4,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC8D0D4,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x404040,  // 3D dark shadow
    0xC8D0D4,  // 3D light
    0x000000,  // info text
    0xE1FFFF,  // info background
    0xB5B5B5,  // (unnamed)
    0x800000,  // hot-tracked item
    0xF0CAA6,  // gradient of the active caption
    0xC0C0C0,  // gradient of the inactive caption
    0xC56A31,  // menu highlight
    0xD8E9EC,  // menu bar
};

class ClassicScheme final : public SystemColors {
 public:
  TColor SysColor(int number) const override {
    return number >= 0 && number < static_cast<int>(kClassicScheme.size()) ? kClassicScheme[number] : 0;
  }
};

}  // namespace

const SystemColors& ClassicSystemColors() {
  static const ClassicScheme scheme;
  return scheme;
}

TColor ResolveColor(TColor color, const SystemColors& system) {
  if (!IsSystemColor(color) || color == -1) return color;
  return system.SysColor(color & 0xFF);
}

}  // namespace sundrel
