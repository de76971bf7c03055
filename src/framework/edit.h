// The single-line edit: wraps the system's edit control.
#pragma once

#include "framework/win_control.h"

namespace sundrel {

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);

  // After every change of the text, by the user or the program.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) const override;
  void WndProc(TMessage& message) override;

 private:
  bool readOnly_ = false;
};

}  // namespace sundrel
