// Making folders in the picker: Create takes the first free "New folder<n>", shows it selected
// with its name open for typing, gives up after a bounded number of names, and reports a folder
// that cannot be made. What may be chosen: OK and Create only for folders on disk.
#include <gtest/gtest.h>

#include <vector>

#include "base/utf.h"
#include "dialogs/new_folder_name.h"
#include "framework/file_checks.h"
#include "picker_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using PickerFolders = PickerTest;

TEST_F(PickerFolders, CreateMakesTheFirstFreeNewFolderAndOpensItsNameForTyping) {
  struct Case {
    std::vector<std::string> existing;
    std::string made;
  } cases[] = {
      {{}, "New folder1"},
      {{"New folder1"}, "New folder2"},
      {{"New folder1", "New folder3"}, "New folder2"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.made + " after " + std::to_string(test.existing.size()));
    for (const std::string& name : test.existing) CreateDirectoryW(ToWide(Scratch(name)).c_str(), nullptr);
    OpenPicker();
    picker->sBitBtn3->Click();
    EXPECT_TRUE(DirectoryExists(Scratch(test.made)));
    EXPECT_EQ(SelectedPath(), Scratch(test.made));
    EXPECT_NE(LabelEditor(), nullptr);
    tree->EndEdit(true);
    picker->Free();
    for (const std::string& name : test.existing) RemoveDirectoryW(ToWide(Scratch(name)).c_str());
    RemoveDirectoryW(ToWide(Scratch(test.made)).c_str());
  }
}

TEST_F(PickerFolders, EnterWhileANameIsTypedRenamesTheNewFolderAndKeepsThePickerOpen) {
  OpenPicker();
  picker->sBitBtn3->Click();
  ASSERT_NE(LabelEditor(), nullptr);
  SetWindowTextW(LabelEditor(), L"Holidays");
  picker->sBitBtn1->Click();  // what Enter does: the default button
  EXPECT_EQ(picker->ModalResult(), mrNone);
  EXPECT_EQ(LabelEditor(), nullptr);
  EXPECT_TRUE(DirectoryExists(Scratch("Holidays")));
  EXPECT_FALSE(DirectoryExists(Scratch("New folder1")));
}

TEST(NewFolderNames, GiveUpAfterTheBoundedNumberOfNames) {
  int asked = 0;
  const auto allTaken = [&](const std::string&) { return ++asked, true; };
  EXPECT_EQ(NewFolderName("C:\\Data", allTaken), std::nullopt);
  EXPECT_EQ(asked, kNewFolderProbes);
  EXPECT_EQ(NewFolderName("C:\\", [](const std::string& name) { return name != "C:\\New folder7"; }),
            "C:\\New folder7");
}

TEST_F(PickerFolders, AFolderThatCannotBeMadeIsReported) {
  // The selected folder goes behind the picker's back: nothing can be made in it.
  const std::string gone = Scratch("gone");
  CreateDirectoryW(ToWide(gone).c_str(), nullptr);
  OpenPicker();
  tree->SetPath(gone);
  ASSERT_EQ(SelectedPath(), gone);
  RemoveDirectoryW(ToWide(gone).c_str());
  std::string caption, text;
  WindowWatch watch([] { return FindThreadWindow(L"#32770"); },
                    [&](HWND box) {
                      caption = WindowTextOf(box);
                      text = TextOfMessageBox(box);
                      PostMessageW(box, WM_COMMAND, IDOK, 0);
                    });
  picker->sBitBtn3->Click();
  ASSERT_TRUE(watch.Seen());
  EXPECT_EQ(caption, "Error");
  EXPECT_EQ(text, "Directory " + gone + "\\New folder1 can`t be created!");
}

TEST_F(PickerFolders, OnlyAFolderOnDiskCanBeChosenOrGetNewFolders) {
  OpenPicker();
  EXPECT_TRUE(picker->sBitBtn1->Enabled());
  // The computer: a virtual item of the shell.
  TTreeNode* computer = ComputerNode(*tree, folder.Path());
  ASSERT_NE(computer, nullptr);
  computer->Select();
  EXPECT_EQ(tree->Path().rfind("::{", 0), std::string::npos);
  EXPECT_FALSE(picker->sBitBtn1->Enabled());
  EXPECT_FALSE(picker->sBitBtn3->Enabled());
  tree->SetPath(folder.Path());
  EXPECT_TRUE(picker->sBitBtn1->Enabled());
  EXPECT_TRUE(picker->sBitBtn3->Enabled());
}

}  // namespace
}  // namespace sundrel
