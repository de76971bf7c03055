#include "skin/manager/skin_command_win32.h"

#include "framework/win_control.h"

namespace sundrel {

LRESULT SendSkinCommand(HWND window, int code, LPARAM lParam, int flag) {
  return SendMessageW(window, SM_SKINCMD, SkinCommandWParam(code, flag), lParam);
}

LRESULT SendSkinCommandToControl(TControl* control, int code, LPARAM lParam, int flag) {
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (!windowed->HandleAllocated() || windowed->IsDestroying()) return 0;
    return SendSkinCommand(windowed->Handle(), code, lParam, flag);
  }
  return control->Perform(SM_SKINCMD, SkinCommandWParam(code, flag), lParam);
}

TacParentImage AskParentImage(HWND window) {
  SlotScope question(Shared().ParentImage, TacParentImage());
  SendSkinCommand(window, SMC_GET_CACHE);
  return Shared().ParentImage;
}

TColor AskBackFillColor(HWND window) {
  SlotScope question(Shared().BackFillColor, clFuchsia);
  SendSkinCommand(window, SMC_GET_COLOR);
  return Shared().BackFillColor;
}

bool AskControl(TControl* control, int code) {
  TMessage question = SkinCommand(code);
  control->Perform(question);
  if (question.LParam == 1) return true;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  return windowed != nullptr && windowed->HandleAllocated() && SendSkinCommand(windowed->Handle(), code) == 1;
}

bool AskWindowTwice(HWND window, int code) {
  SendSkinCommand(window, code);
  return SendSkinCommand(window, code) == 1;
}

}  // namespace sundrel
