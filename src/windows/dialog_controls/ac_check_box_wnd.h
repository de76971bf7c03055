// Check boxes and radio buttons of a system dialog over the "CHECKBOX" section: the skin's box or
// radio image for the check state (checked, unchecked, grayed) in the press and hover state, and
// the caption to its right.
#pragma once

#include "windows/handlers/ac_main_wnd.h"

namespace sundrel {

// Whether a button of this style shows the box images (check boxes, 3-state boxes), else radios.
bool ShowsBoxImages(LONG style);
// The "GLOBALINFO" image that shows the check state (0 unchecked, 1 checked, 2 grayed).
const char* CheckImageName(bool box, int checkState);

class TacCheckBoxWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;

  // 2 grayed, 1 checked, 0 unchecked, as the button reports it.
  int CheckState() const;
  // 2 pressed, 1 focused or hovered, 0 otherwise.
  int ImageState() const;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  void Paint(HDC given);
  void PaintCache();
};

}  // namespace sundrel
