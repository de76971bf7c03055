// The shell folder tree on a scratch folder: selecting a path opens only the nodes above it,
// roots and paths that name nothing, renaming through the shell, the context menu's delete and
// files that are never run.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "base/errors.h"
#include "base/utf.h"
#include "framework/file_checks.h"
#include "picker_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using ShellTree = PickerTest;

std::vector<TTreeNode*> PathFromRoot(TTreeNode* node) {
  std::vector<TTreeNode*> nodes;
  for (; node != nullptr; node = node->Parent()) nodes.insert(nodes.begin(), node);
  return nodes;
}

TEST_F(ShellTree, APathIsSelectedAndOpenedFromTheDesktopDownReadingOnlyTheNodesAboveIt) {
  CreateDirectoryW(ToWide(Scratch("inner")).c_str(), nullptr);
  OpenPicker();
  EXPECT_EQ(SelectedPath(), folder.Path());
  const std::vector<TTreeNode*> line = PathFromRoot(tree->Selected());
  ASSERT_GE(line.size(), 3u);
  EXPECT_EQ(line.front(), tree->FirstNode());
  EXPECT_EQ(TacCustomShellTreeView::FolderOf(line.front())->Level(), 1);
  for (TTreeNode* node : line) EXPECT_TRUE(node->Expanded()) << node->Text();
  EXPECT_EQ(tree->Selected()->FirstChild()->Text(), "inner");
  // Nothing off the line was read: under Wine, Z: alone would be the whole file system.
  for (int i = 0; TTreeNode* node = tree->AbsoluteItem(i); ++i) {
    const bool onLine = std::find(line.begin(), line.end(), node) != line.end();
    if (!onLine) {
      EXPECT_EQ(node->FirstChild(), nullptr) << node->Text() << " was read";
    }
  }
  EXPECT_TRUE(picker->sBitBtn1->Enabled());
  EXPECT_TRUE(picker->sBitBtn3->Enabled());
}

TEST_F(ShellTree, ARootOrPathThatNamesNothingRaisesAndKeepsTheTree) {
  OpenPicker();
  const std::string missing = Scratch("missing\\deeper");
  try {
    tree->SetRoot(missing);
    ADD_FAILURE() << "the root was taken";
  } catch (const Exception& error) {
    EXPECT_STREQ(error.what(), "Error Setting Path");
  }
  EXPECT_EQ(tree->Root(), "rfDesktop");
  ASSERT_NE(tree->FirstNode(), nullptr);
  EXPECT_EQ(TacCustomShellTreeView::FolderOf(tree->FirstNode())->Level(), 1);
  EXPECT_THROW(tree->SetPath(missing), Exception);
}

TEST_F(ShellTree, AFolderRootAndRootNamesInAnyCaseAreTaken) {
  OpenPicker();
  tree->SetRoot(folder.Path());
  EXPECT_EQ(TacCustomShellTreeView::FolderOf(tree->FirstNode())->PathName(), folder.Path());
  tree->SetRoot("RFMYCOMPUTER");
  EXPECT_EQ(tree->Root(), "RFMYCOMPUTER");
  EXPECT_EQ(TacCustomShellTreeView::FolderOf(tree->FirstNode())->PathName().rfind("::{", 0), std::string::npos);
  EXPECT_FALSE(DirectoryExists(tree->Path()));  // the computer is no folder on disk
}

TEST_F(ShellTree, OpeningAFileNodeRunsNothing) {
  // A batch file that would leave a mark if anything ran it.
  const std::string mark = Scratch("ran.txt");
  std::ofstream(Scratch("run.bat")) << "echo ran > \"" << mark << "\"\r\n";
  OpenPicker();
  tree->SetObjectTypes(otFolders | otNonFolders);
  tree->SetRoot(folder.Path());
  TTreeNode* file = tree->FirstNode()->FirstChild();
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->Text().rfind("run", 0), 0u);
  file->Expand(true);
  SendMessageW(tree->Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(file->ItemId()));
  EXPECT_FALSE(PumpUntil([&] { return FileExists(mark); }, 1500)) << "the file was run";
  EXPECT_EQ(file->FirstChild(), nullptr);
  EXPECT_FALSE(file->HasChildren());
}

TEST_F(ShellTree, EndingALabelEditRenamesTheFolderOnDisk) {
  CreateDirectoryW(ToWide(Scratch("old")).c_str(), nullptr);
  OpenPicker();
  TTreeNode* old = tree->Selected()->FirstChild();
  ASSERT_NE(old, nullptr);
  old->Select();
  ASSERT_TRUE(old->EditText());
  SetWindowTextW(LabelEditor(), L"new");
  tree->EndEdit(false);
  EXPECT_TRUE(DirectoryExists(Scratch("new")));
  EXPECT_FALSE(DirectoryExists(Scratch("old")));
  // The folder's node is read again with the new name, and stays selected.
  ASSERT_TRUE(PumpUntil([&] { return SelectedPath() == Scratch("new"); }));
  EXPECT_EQ(tree->Selected()->Text(), "new");
}

TEST_F(ShellTree, ARenameThatTheShellRefusesIsReported) {
  CreateDirectoryW(ToWide(Scratch("a")).c_str(), nullptr);
  CreateDirectoryW(ToWide(Scratch("b")).c_str(), nullptr);
  OpenPicker();
  TTreeNode* a = tree->Selected()->FirstChild();
  a->Select();
  std::string report;
  WindowWatch watch([] { return FindThreadWindow(L"#32770"); },
                    [&](HWND box) {
                      report = TextOfMessageBox(box);
                      PostMessageW(box, WM_COMMAND, IDOK, 0);
                    });
  ASSERT_TRUE(a->EditText());
  SetWindowTextW(LabelEditor(), L"b");
  tree->EndEdit(false);
  ASSERT_TRUE(PumpUntil([&] { return watch.Seen(); }));
  EXPECT_EQ(report, "Rename to b failed.");
  EXPECT_TRUE(DirectoryExists(Scratch("a")));
}

struct DeleteCase {
  const char* name;
  int answer;  // the button of the shell's confirmation
  bool folderStays;
};

class ContextMenuDelete : public PickerTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(ContextMenuDelete, RemovesTheNodeOnlyWhenTheFolderWent) {
  const std::string doomed = Scratch("doomed");
  CreateDirectoryW(ToWide(doomed).c_str(), nullptr);
  OpenPicker();
  tree->SetPath(doomed);
  bool asked = false;
  WindowWatch watch([] { return FindThreadWindow(L"#32770"); },
                    [&](HWND box) {
                      asked = true;
                      PostMessageW(box, WM_COMMAND, GetParam().answer, 0);
                    });
  ASSERT_TRUE(tree->InvokeContextVerb("delete"));
  EXPECT_TRUE(asked);
  EXPECT_EQ(DirectoryExists(doomed), GetParam().folderStays);
  TTreeNode* scratchNode = tree->Selected();
  if (GetParam().folderStays) {
    EXPECT_EQ(SelectedPath(), doomed);
  } else {
    ASSERT_NE(scratchNode, nullptr);
    EXPECT_EQ(SelectedPath(), folder.Path());
    EXPECT_EQ(scratchNode->FirstChild(), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, ContextMenuDelete,
                         ::testing::Values(DeleteCase{"Cancelled", IDNO, true}, DeleteCase{"Confirmed", IDYES, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sundrel
