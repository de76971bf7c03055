// The open and save dialogs of the main window: the system's own common dialogs. They draw
// nothing themselves; the window skinning catches them as they open.
#pragma once

#include "framework/dialogs.h"

namespace sundrel {

// How archives would be shown in the open dialog; kept with the component, nothing acts on it.
enum class TacZipShowing { zsAsFolder, zsAsFile };

class TsOpenDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;

  TacZipShowing ZipShowing() const { return zipShowing_; }
  void SetZipShowing(TacZipShowing showing) { zipShowing_ = showing; }

 private:
  TacZipShowing zipShowing_ = TacZipShowing::zsAsFolder;
};

class TsSaveDialog : public TSaveDialog {
 public:
  using TSaveDialog::TSaveDialog;
};

}  // namespace sundrel
