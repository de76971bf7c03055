// ShowMessage: the simple message box as a framework form of class TMessageForm — modal,
// centred, captioned with the application's title, the text word-wrapped, no icon, one "OK"
// button that Enter and Esc both press. Ctrl+C (and WM_COPY) put its text on the clipboard in
// the layout of the system's message boxes.
#pragma once

#include <string>

#include "framework/forms.h"

namespace sundrel {

class TLabel;
class TButton;

class TMessageForm : public TForm {
 public:
  TMessageForm(TComponent* owner, const std::string& message);

  // The text that Ctrl+C copies: caption, message and button captions between divider lines.
  std::string FormText() const;

 protected:
  bool KeyDown(WORD key, TShiftState shift) override;
  void WndProc(TMessage& message) override;

 private:
  void CopyToClipboard();

  TLabel* message_;
  TButton* button_;
};

void ShowMessage(const std::string& message);

}  // namespace sundrel
