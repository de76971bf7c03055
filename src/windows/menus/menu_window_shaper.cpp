#include "windows/menus/menu_window_shaper.h"

namespace sundrel {

namespace {

TMenuWindowShaper& Shaper() {
  static TMenuWindowShaper shaper;
  return shaper;
}

}  // namespace

void SetMenuWindowShaper(TMenuWindowShaper shaper) {
  Shaper() = std::move(shaper);
}

const TMenuWindowShaper& MenuWindowShaper() {
  return Shaper();
}

}  // namespace sundrel
