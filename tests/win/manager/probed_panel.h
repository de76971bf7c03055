// A panel that answers the "is it skinned" probe only in the message record's LParam field, as a
// skinned framework control does, and passes no command on to its children.
#pragma once

#include "framework/panel.h"
#include "skin/manager/skin_command_win32.h"

namespace sundrel::testing {

class TProbedPanel : public TPanel {
 public:
  using TPanel::TPanel;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == SM_SKINCMD && SkinCommandCode(message.WParam) == SMC_IS_SKINNED) {
      message.LParam = 1;
      return;
    }
    TPanel::WndProc(message);
  }
};

}  // namespace sundrel::testing
