// The group box of a system dialog, painted from the "GROUPBOX" section below its caption. In a
// dialog it is painted in its frame paint with its inside left out, so that the controls inside
// the box are never painted over.
#pragma once

#include "windows/handlers/ac_main_wnd.h"

namespace sundrel {

class TacGroupBoxWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;

  // Left 6, top 0, right caption width + 14 (within the box), bottom max(4, caption height) + 2.
  RECT CaptionRect();

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  void PaintCache();
  // The frame and caption on the window's context, the inside of the box left out.
  void PaintOnWindow();
  void PaintInto(HDC dc);
};

}  // namespace sundrel
