// The list of a combo box: dropped down below a drop-down combo box, or always shown inside a
// simple one. Its handler gives it a border ring from the skin and skinned bars, and leaves the
// list's own mouse tracking (selecting while the mouse moves, scrolling while it is held below)
// as it is.
#pragma once

#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {

class TacComboListWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
  ~TacComboListWnd() override;

  // The list is dropped down (it says so with the messages of a list being shown and hidden).
  bool ListShown = false;
  // The list belongs to a combo box of the simple style, inside the combo box.
  bool SimpleCombo = false;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;
  // A dropped list holds the mouse while it shows: a click outside it closes it.
  bool KeepsCaptureAfterBarRelease() const override { return !SimpleCombo; }

 private:
  // The frame of the list (ring and bars); for a simple combo box, the combo box's strip below
  // the list too.
  void PaintListFrame();
  void PaintStripBelowList();
  void Print(TMessage& message, const TPassOn& passOn);
};

}  // namespace sundrel
