#include "framework/button.h"

namespace sundrel {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~csClickEvents);  // the system's notification clicks it
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  SetActive(value);
}

void TButton::SetActive(bool active) {
  active_ = active;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this); form != nullptr && modalResult_ != mrNone) {
    form->SetModalResult(modalResult_);
  }
  TWinControl::Click();
}

void TButton::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"BUTTON";
  params.Style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) Click();
      return;
    case CM_DIALOGKEY:
      if (((message.WParam == VK_RETURN && active_) || (message.WParam == VK_ESCAPE && cancel_)) &&
          KeyboardShiftState() == 0 && CanFocus()) {
        Click();
        message.Result = 1;
      }
      return;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
      SetActive(dynamic_cast<TButton*>(focused) != nullptr ? focused == this : default_);
      return;
    }
  }
  TWinControl::WndProc(message);
}

}  // namespace sundrel
