// The push button: wraps the system's button, clicks on its own notification, and answers
// Enter when it is the default button and Esc when it is the cancel button.
#pragma once

#include "framework/forms.h"
#include "framework/win_control.h"

namespace sundrel {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  // Given to the parent form when the button is clicked (ending a modal run).
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }

  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) const override;
  void WndProc(TMessage& message) override;

 private:
  void SetActive(bool active);

  bool default_ = false;
  bool cancel_ = false;
  // The button that Enter clicks: the default one unless another button has the focus.
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
};

}  // namespace sundrel
