// Two windows of a system dialog that are only background: a dialog embedded in the dialog (and
// the folder browser's panel), whose children paint themselves over it (TacTransPanelWnd), and
// the size grip (TacSizerWnd). Both show the "CHECKBOX" section over the parent's picture.
#pragma once

#include "windows/handlers/ac_main_wnd.h"

namespace sundrel {

class TacTransPanelWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;
};

class TacSizerWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;
};

}  // namespace sundrel
