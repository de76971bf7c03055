// The up-down control of a system dialog: two halves painted from the "SPEEDBUTTON_SMALL"
// section, each pressed or hot by where the mouse is, with the skin's up and down arrows.
#pragma once

#include "windows/handlers/ac_main_wnd.h"

namespace sundrel {

class TacSpinWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;

  // Pixels at the left edge that are not painted (a dialog's up-down leans on its edit field).
  int LeftOffset = 0;
  bool MouseDown = false;
  int UpperState = 0;
  int LowerState = 0;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  void ReadHalfStates();
  void Paint();
};

}  // namespace sundrel
