// The open and save dialogs of the main window. For now they are the system's own dialogs.
#pragma once

#include "framework/dialogs.h"

namespace sundrel {

class TsOpenDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;
};

class TsSaveDialog : public TSaveDialog {
 public:
  using TSaveDialog::TSaveDialog;
};

}  // namespace sundrel
