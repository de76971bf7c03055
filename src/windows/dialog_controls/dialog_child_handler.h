// Which handler skins a child window of a system dialog, by its window class, style and size, and
// making it. The dialog's skinning walks the dialog's children and calls MakeDialogChildHandler for
// each; it owns what comes back.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "windows/handlers/ac_main_wnd.h"

namespace sundrel {

enum class TDialogChildKind {
  None,               // left native
  LeaveDialogNative,  // the whole dialog stays native (a property sheet of the font dialogs' size)
  Static,
  Icon,
  Link,
  TransPanel,
  GroupBox,
  CheckBox,
  Button,
  ComboBox,
  ComboList,
  Sizer,
  ListView,
  Spin,
  Edit,
  TreeView,
  ToolBar,
};

struct TDialogChildChoice {
  TDialogChildKind Kind = TDialogChildKind::None;
  std::string Section;
  // How a few system dialogs are recognised by one of their statics: 0 nothing, 1 or 2 a
  // dialog of that mode, 3 a dialog whose frame takes the "FORM" section.
  int DialogMode = 0;
  // A drop-down list window: the dialog counts them.
  bool DropDownList = false;
};

// The rows are tried from the top; className is compared without regard to case.
TDialogChildChoice ChooseDialogChildHandler(const std::wstring& className, LONG style, SIZE size);
TDialogChildChoice ChooseDialogChildHandler(HWND child);

// The handler for the child, attached with the default manager and skin data of its own and its
// geometry known, or nullptr: the window is skinned already, or stays native. Handlers made here
// have ForDialog set.
std::unique_ptr<TacMainWnd> MakeDialogChildHandler(HWND child, const TDialogChildChoice& choice);
std::unique_ptr<TacMainWnd> MakeDialogChildHandler(HWND child);

}  // namespace sundrel
