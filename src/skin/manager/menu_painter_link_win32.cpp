#include "skin/manager/menu_painter_link_win32.h"

namespace sundrel {

namespace {

TMenuPainterFactory factory = nullptr;

}  // namespace

void SetMenuPainterFactory(TMenuPainterFactory newFactory) {
  factory = newFactory;
}

TMenuPainterFactory MenuPainterFactory() {
  return factory;
}

}  // namespace sundrel
