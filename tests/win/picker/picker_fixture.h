// The folder picker on a scratch folder under Wine: an application whose default manager holds
// the program's own skin (so the picker shows its own window), a fresh folder on disk, and the
// picker's window shown without a modal loop so that a test can work it step by step.
#pragma once

#include <string>

#include "dialogs/path_dialog_form.h"
#include "file_fixture.h"
#include "framework_test_support.h"
#include "paint/shared_slots.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel::testing {

class PickerTest : public FrameworkTest {
 protected:
  void SetUp() override;

  // Shows the picker's window with the scratch folder selected.
  void OpenPicker();
  // The node of the selected item's path, or "" when none is selected.
  std::string SelectedPath() const { return tree->Path(); }
  std::string Scratch(const std::string& name) const { return folder.File(name); }
  // The label editor of the tree while a label is edited, else nullptr.
  HWND LabelEditor() const;
  // The computer's node: the child of the desktop above the scratch folder.
  static TTreeNode* ComputerNode(TsShellTreeView& tree, const std::string& below);

  test::TempDir folder;
  TForm* host = nullptr;
  TsSkinManager* manager = nullptr;
  TPathDialogForm* picker = nullptr;
  TsShellTreeView* tree = nullptr;
};

// The text of the message box that the watch saw, and the box answered with the button.
std::string TextOfMessageBox(HWND box);

}  // namespace sundrel::testing
