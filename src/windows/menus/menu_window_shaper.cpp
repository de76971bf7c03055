#include "windows/menus/menu_window_shaper.h"

#include "windows/menus/menu_frame.h"

namespace sundrel {

namespace {

TMenuWindowShaper& Shaper() {
  static TMenuWindowShaper shaper = ShapeMenuWindow;
  return shaper;
}

}  // namespace

void SetMenuWindowShaper(TMenuWindowShaper shaper) {
  Shaper() = shaper ? std::move(shaper) : TMenuWindowShaper(ShapeMenuWindow);
}

const TMenuWindowShaper& MenuWindowShaper() {
  return Shaper();
}

}  // namespace sundrel
