// The program as its users meet it: started under Wine, driven through its own windows, the
// system's file dialogs and its message boxes, with the results checked on disk.
#include <gtest/gtest.h>

#include "base/utf.h"
#include "main_window_fixture.h"

namespace sundrel::e2e {
namespace {

TEST_F(MainWindow, StartsOnTheSplitPageWithTheCountThree) {
  EXPECT_EQ(TextOf(program->MainWindow()), "Sundrel V1.1");
  EXPECT_EQ(TextOf(CountEdit()), "3");
  EXPECT_EQ(TextOf(program->Children(L"TsEdit").at(0)), "");
  EXPECT_EQ(program->ListCount(), 0);
  EXPECT_TRUE(IsWindowVisible(program->Button("打开要均分的文件")));
  EXPECT_FALSE(IsWindowVisible(program->Button("开始合并")));
  // No file chosen: the first timer tick disables the folder and split buttons.
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(program->Button("开始分割")); }));
  EXPECT_FALSE(IsWindowEnabled(program->Button("指定保存目录")));
  const LONG style = GetWindowLongW(program->MainWindow(), GWL_STYLE);
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
}

TEST_F(MainWindow, SplitsAFileAndMergesThePartsBack) {
  const std::string source = folder.File("clip.avi");
  const std::string content = Bytes(10003, 1);
  WriteFileBytes(source, content);
  program->Screenshot(Setting("SUNDREL_SCREENSHOTS") + "\\main-window-split-page.png");

  ChooseSource(source);
  TypeInto(CountEdit(), "4");
  Click(program->Button("开始分割"));
  EXPECT_EQ(program->ReadAndCloseMessage(Setting("SUNDREL_SCREENSHOTS") + "\\message-split-finished.png"),
            kSplitFinished);
  ASSERT_EQ(FilesMatching(folder.Path(), "clip.avi.vexl*"),
            (std::vector<std::string>{"clip.avi.vexl1", "clip.avi.vexl2", "clip.avi.vexl3", "clip.avi.vexl4"}));
  EXPECT_EQ(ReadFileBytes(folder.File("clip.avi.vexl4")).size(), 2503u);

  program->SelectPage(1);
  AddToList(folder.Path(), {"clip.avi.vexl1", "clip.avi.vexl2", "clip.avi.vexl3"});
  AddToList(folder.Path(), {"clip.avi.vexl4"});
  ASSERT_EQ(program->ListItems(),
            (std::vector<std::string>{folder.File("clip.avi.vexl1"), folder.File("clip.avi.vexl2"),
                                      folder.File("clip.avi.vexl3"), folder.File("clip.avi.vexl4")}));
  program->Screenshot(Setting("SUNDREL_SCREENSHOTS") + "\\main-window-merge-page.png");

  Click(program->Button("开始合并"));
  EXPECT_EQ(program->FileDialogName(), "clip.avi");  // proposed from the first part's name
  program->ChooseInFileDialog(folder.File("joined.avi"));
  EXPECT_EQ(program->ReadAndCloseMessage(), kMergeFinished);
  EXPECT_EQ(ReadFileBytes(folder.File("joined.avi")), content);
}

TEST_F(MainWindow, MergingOverAnExistingFileAsksFirst) {
  WriteFileBytes(folder.File("a.vexl1"), "first ");
  WriteFileBytes(folder.File("a.vexl2"), "second");
  WriteFileBytes(folder.File("a"), "old output");
  program->SelectPage(1);
  AddToList(folder.Path(), {"a.vexl1", "a.vexl2"});
  Click(program->Button("开始合并"));
  program->ChooseInFileDialogAndAnswer(folder.File("a"), IDYES);
  EXPECT_EQ(program->ReadAndCloseMessage(), kMergeFinished);
  EXPECT_EQ(ReadFileBytes(folder.File("a")), "first second");
}

TEST_F(MainWindow, RefusesToMergeIntoAListedFile) {
  WriteFileBytes(folder.File("b.vexl1"), "one");
  WriteFileBytes(folder.File("b.vexl2"), "two");
  program->SelectPage(1);
  AddToList(folder.Path(), {"b.vexl1", "b.vexl2"});
  Click(program->Button("开始合并"));
  program->ChooseInFileDialogAndAnswer(folder.File("b.vexl2"), IDYES);
  const std::string report = program->ReadAndCloseErrorReport();
  EXPECT_EQ(report.rfind("Cannot create file \"", 0), 0u) << report;
  EXPECT_EQ(report.back(), '.');
  EXPECT_EQ(ReadFileBytes(folder.File("b.vexl2")), "two");
  EXPECT_FALSE(program->AnyMessageOpen());
}

TEST_F(MainWindow, CancellingTheOpenDialogChangesNothing) {
  const std::string source = folder.File("kept.bin");
  WriteFileBytes(source, Bytes(30, 5));
  ChooseSource(source);
  Click(program->Button("打开要均分的文件"));
  program->CancelFileDialog();
  EXPECT_EQ(TextOf(program->Children(L"TsEdit").at(0)), source);
  EXPECT_EQ(SplitWithCount("2"), kSplitFinished);
  EXPECT_EQ(FilesMatching(folder.Path(), "kept.bin.vexl*").size(), 2u);
}

TEST_F(MainWindow, TheFolderChooserStartsAtTheSourceAndSetsTheTargetFolder) {
  // The parts go to the folder above the source's, chosen in the system's folder browser.
  const std::string name = "chosen-" + std::to_string(GetCurrentProcessId()) + ".bin";
  const std::string source = folder.File(name);
  WriteFileBytes(source, Bytes(40, 6));
  ChooseSource(source);
  Click(program->Button("指定保存目录"));
  program->ConfirmFolderBrowser(true);
  EXPECT_EQ(SplitWithCount("2"), kSplitFinished);
  const std::string parent = folder.Path().substr(0, folder.Path().rfind('\\'));
  const std::vector<std::string> parts = FilesMatching(parent, name + ".vexl*");
  for (const std::string& part : parts) RemoveFile(parent + "\\" + part);
  EXPECT_EQ(parts, (std::vector<std::string>{name + ".vexl1", name + ".vexl2"}));
  EXPECT_TRUE(FilesMatching(folder.Path(), "*.vexl*").empty());
}

struct CountCase {
  const char* text;
  const char* message;
  size_t parts;
};

TEST_F(MainWindow, ChecksThePartCountBeforeSplitting) {
  const std::string source = folder.File("data.bin");
  WriteFileBytes(source, Bytes(100, 2));
  ChooseSource(source);
  const CountCase cases[] = {
      {"abc", "请输入有效的分割数目", 0},
      {"", "请输入有效的分割数目", 0},
      {"99999999999", "请输入有效的分割数目", 0},
      {"0", "分割数目必须在 1 到 99 之间", 0},
      {"-2", "分割数目必须在 1 到 99 之间", 0},
      {"100", "分割数目必须在 1 到 99 之间", 0},
      {"1", kSplitFinished, 1},
      {"  4 ", kSplitFinished, 4},
      {"$A", kSplitFinished, 10},
      {"0x0A", kSplitFinished, 10},
      {"99", kSplitFinished, 99},
  };
  for (const CountCase& test : cases) {
    SCOPED_TRACE(std::string("count text \"") + test.text + "\"");
    EXPECT_EQ(SplitWithCount(test.text), test.message);
    const std::vector<std::string> parts = FilesMatching(folder.Path(), "data.bin.vexl*");
    EXPECT_EQ(parts.size(), test.parts);
    for (const std::string& part : parts) RemoveFile(folder.File(part));
  }
}

TEST_F(MainWindow, RefusesToSplitEmptyAndOneByteFiles) {
  const CountCase cases[] = {{"empty.bin", "文件为空，无法分割", 0}, {"one.bin", "文件太小，无法分割", 0}};
  WriteFileBytes(folder.File("empty.bin"), "");
  WriteFileBytes(folder.File("one.bin"), "x");
  for (const CountCase& test : cases) {
    SCOPED_TRACE(test.text);
    ChooseSource(folder.File(test.text));
    EXPECT_EQ(SplitWithCount("3"), test.message);
    EXPECT_TRUE(FilesMatching(folder.Path(), "*.vexl*").empty());
  }
}

TEST_F(MainWindow, ReportsASourceThatWasDeletedAfterItWasChosen) {
  const std::string source = folder.File("gone.bin");
  WriteFileBytes(source, Bytes(50, 3));
  ChooseSource(source);
  // Deleted between two timer ticks, while the split button is still enabled.
  HWND split = program->Button("开始分割");
  program->Suspend();
  RemoveFile(source);
  Click(split);
  program->Resume();
  const std::string report = program->ReadAndCloseErrorReport();
  EXPECT_EQ(report.rfind("Cannot open file \"" + source + "\". ", 0), 0u) << report;
  EXPECT_FALSE(program->AnyMessageOpen());
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(program->Button("开始分割")); }));
  EXPECT_TRUE(FilesMatching(folder.Path(), "*").empty());
}

TEST_F(MainWindow, ReportsASourceHeldOpenByAnotherProgram) {
  const std::string source = folder.File("busy.bin");
  WriteFileBytes(source, Bytes(50, 4));
  ChooseSource(source);
  HANDLE held = CreateFileW(ToWide(source).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Click(program->Button("开始分割"));
  const std::string report = program->ReadAndCloseErrorReport();
  CloseHandle(held);
  EXPECT_EQ(report.rfind("Cannot open file \"" + source + "\". ", 0), 0u) << report;
  EXPECT_TRUE(FilesMatching(folder.Path(), "*.vexl*").empty());
}

TEST_F(MainWindow, MergeDoesNothingWithoutAPartFileFirst) {
  WriteFileBytes(folder.File("notes.txt"), "notes");
  program->SelectPage(1);
  HWND merge = program->Button("开始合并");
  // Sent rather than posted: it returns once the click has been handled.
  SendMessageW(merge, BM_CLICK, 0, 0);
  EXPECT_FALSE(program->AnyMessageOpen());
  AddToList(folder.Path(), {"notes.txt"});
  SendMessageW(merge, BM_CLICK, 0, 0);
  EXPECT_FALSE(program->AnyMessageOpen());
  EXPECT_EQ(FilesMatching(folder.Path(), "*"), (std::vector<std::string>{"notes.txt"}));
}

TEST_F(MainWindow, AListedFileRemovedBeforeTheMergeStopsIt) {
  WriteFileBytes(folder.File("c.vexl1"), "one");
  WriteFileBytes(folder.File("c.vexl2"), "two");
  WriteFileBytes(folder.File("c.vexl3"), "three");
  program->SelectPage(1);
  AddToList(folder.Path(), {"c.vexl1", "c.vexl2", "c.vexl3"});
  RemoveFile(folder.File("c.vexl2"));
  Click(program->Button("开始合并"));
  program->ChooseInFileDialog(folder.File("c.out"));
  const std::string report = program->ReadAndCloseErrorReport();
  EXPECT_EQ(report.rfind("Cannot open file \"" + folder.File("c.vexl2") + "\". ", 0), 0u) << report;
  EXPECT_FALSE(program->AnyMessageOpen());
  EXPECT_FALSE(Exists(folder.File("c.out")));  // a merge that fails leaves no output
}

TEST_F(MainWindow, TheListsContextMenuSelectsAndDeletes) {
  for (const char* name : {"p1", "p2", "p3", "p4"}) WriteFileBytes(folder.File(name), name);
  program->SelectPage(1);
  AddToList(folder.Path(), {"p1", "p2", "p3"});
  AddToList(folder.Path(), {"p4"});
  ASSERT_EQ(program->ListCount(), 4);

  program->UseListMenu(1);  // 全选
  EXPECT_TRUE(WaitUntil([&] { return program->ListSelectedCount() == 4; }));
  program->UseListMenu(2);  // 删除选中, below the separator
  EXPECT_TRUE(WaitUntil([&] { return program->ListCount() == 0; }));

  AddToList(folder.Path(), {"p1", "p2"});
  ASSERT_EQ(program->ListCount(), 2);
  program->UseListMenu(3);  // 全部删除
  EXPECT_TRUE(WaitUntil([&] { return program->ListCount() == 0; }));
}

TEST_F(MainWindow, TheQuitButtonEndsTheProgram) {
  Click(program->Button("退出"));
  EXPECT_TRUE(WaitUntil([&] { return !program->Running(); }));
  EXPECT_EQ(program->ExitCode(), 0u);
}

}  // namespace
}  // namespace sundrel::e2e
