// The toolbar of a system dialog (the file dialog's folder and view buttons): its background from
// "BAR" (wrapping toolbars) or "CHECKBOX", every button from "TOOLBUTTON" in its state with its
// image, its drop-down arrow and its text.
#pragma once

#include <windows.h>

#include "framework/bitmap.h"
#include "windows/handlers/ac_main_wnd.h"

namespace sundrel {

class TacToolBarWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;

  RECT InnerRect{};
  // Half the difference between the window's and the client's height.
  int ToolBorder = 0;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  void PrepareToolBackground();
  void PaintFrame();
  void Paint(HDC dc);
  // The button's state: 0 disabled, 2 pressed, 1 under the cursor, else 0.
  int ButtonState(BYTE tbState, const RECT& r) const;
  void PaintButton(TBitmap& picture, int index, const RECT& r);
  // Whether the parent is still rebuilding its picture.
  bool ParentUpdating();
};

}  // namespace sundrel
