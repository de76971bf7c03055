// The temporary window that shows an animation's frames over a control whose redrawing is off.
#pragma once

#include <windows.h>

#include "base/handles_win32.h"
#include "framework/bitmap.h"
#include "framework/win_control.h"

namespace sundrel {

class TacOutputWindow {
 public:
  // Over the control's window (screen rectangle `bounds`): a child of the parent window placed
  // next to the control, or, for a top-level window, a pop-up owned by the application window
  // (topmost when the control is). Shown without activation.
  TacOutputWindow(HWND control, const RECT& bounds);
  // Hidden first (unless the control is layered), then destroyed.
  ~TacOutputWindow();
  TacOutputWindow(const TacOutputWindow&) = delete;
  TacOutputWindow& operator=(const TacOutputWindow&) = delete;

  HWND Handle() const { return window_.get(); }
  // Copies the picture to the window at once; it also repaints from it until the next one.
  void Show(TBitmap& picture);
  // The region of the control's window, for a form whose frame is shaped.
  void TakeRegionOf(HWND control);
  // The output window of the animation running now, or none.
  static HWND Current();

 private:
  HWND control_;
  UniqueWindow window_;
};

}  // namespace sundrel
