#include "windows/menus/menu_state.h"

namespace sundrel {

TacMenuState& MenuState() {
  static TacMenuState state;
  return state;
}

void ReleaseMenuState() {
  TacMenuState& state = MenuState();
  state.CurrentMenu = 0;
  state.MenuPicture.reset();
  state.ExtraLineVisible = false;
  state.ExtraLineReady = false;
}

}  // namespace sundrel
