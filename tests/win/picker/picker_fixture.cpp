#include "picker_fixture.h"

#include "skin/manager/internal_skin_win32.h"

namespace sundrel::testing {

void PickerTest::SetUp() {
  FrameworkTest::SetUp();
  host = application->CreateForm<TForm>();
  manager = new TsSkinManager(host);
  AddInternalSkin(manager->InternalSkins());
  manager->SetSkinDirectory(folder.Path());
  manager->SetSkinName(kInternalSkinName);
  host->HandleNeeded();
  ASSERT_TRUE(manager->SkinData().Active);
}

void PickerTest::OpenPicker() {
  picker = new TPathDialogForm(application.get());
  tree = picker->sShellTreeView1;
  tree->SetPath(folder.Path());
  picker->Show();
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(picker->Handle()) != FALSE; }));
}

HWND PickerTest::LabelEditor() const {
  return reinterpret_cast<HWND>(SendMessageW(tree->Handle(), TVM_GETEDITCONTROL, 0, 0));
}

TTreeNode* PickerTest::ComputerNode(TsShellTreeView& tree, const std::string& below) {
  tree.SetPath(below);
  TTreeNode* computer = nullptr;
  for (TTreeNode* node = tree.Selected(); node != nullptr && node->Parent() != nullptr; node = node->Parent()) {
    computer = node;
  }
  return computer;
}

std::string TextOfMessageBox(HWND box) {
  return WindowTextOf(GetDlgItem(box, 0xFFFF));
}

}  // namespace sundrel::testing
