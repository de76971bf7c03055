// Splits and merges that run while the window stays in the user's hands: progress, cancel,
// closing during a run, parts put in order, and files dropped from the shell.
// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include "base/utf.h"
#include "main_window_fixture.h"

namespace sundrel::e2e {
namespace {

constexpr const char* kSplitCancelled = "文件分割已取消";
constexpr const char* kMergeCancelled = "文件合并已取消";
constexpr int64_t kGiB = int64_t{1} << 30;

// A file of zeros that takes no time to make: the program still reads and writes every byte.
void MakeLargeFile(const std::string& path, int64_t size) {
  HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LARGE_INTEGER end{};
  end.QuadPart = size;
  EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);
}

int64_t SizeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

class WorkWindow : public MainWindow {
 protected:
  HWND Gauge() const { return program->Children(L"TsGauge").at(0); }
  bool WorkShowing() const { return IsWindowVisible(Gauge()) != FALSE; }
  // Waits until the run has written something, so that a cancel has something to undo.
  void WaitForProgress() {
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(Gauge(), PBM_GETPOS, 0, 0) > 0; }))
        << "the progress bar never moved";
  }
  // With parts of an earlier split above the count in the folder, the split asks first.
  void StartSplit(const std::string& source, const std::string& count, int higherPartsAnswer = 0) {
    ChooseSource(source);
    TypeInto(CountEdit(), count);
    Click(program->Button("开始分割"));
    if (higherPartsAnswer != 0) program->AnswerQuestion(higherPartsAnswer);
    ASSERT_TRUE(WaitUntil([&] { return WorkShowing(); })) << "no progress shown";
  }
  std::string Screenshots(const std::string& name) const { return Setting("SUNDREL_SCREENSHOTS") + "\\" + name; }
};

TEST_F(WorkWindow, ALargeSplitLeavesTheWindowAnsweringAndShowsItsProgress) {
  const std::string source = folder.File("large.bin");
  MakeLargeFile(source, 2 * kGiB);
  EXPECT_FALSE(WorkShowing());  // only while work runs

  StartSplit(source, "3");
  // Nothing else may start meanwhile.
  for (const char* caption : {"打开要均分的文件", "指定保存目录", "开始分割", "按顺序添加要合并的文件", "开始合并"}) {
    EXPECT_FALSE(IsWindowEnabled(program->Button(caption))) << caption;
  }
  WaitForProgress();
  // A probe every 20 ms or so, as a person's clicks and the system's repaints would come; a tight
  // loop of probes would only compete with the program for the machine. A machine shared with
  // other work can hold any process back for a moment, so a probe that misses its 100 ms is sent
  // once more at once: a window kept busy by the copy would miss both.
  int probes = 0;
  while (!program->AnyMessageOpen()) {
    ASSERT_TRUE(program->AnswersWithin(100) || program->AnswersWithin(100))
        << "the window did not answer within 100 ms, twice, after " << probes << " probes";
    ++probes;
    WaitUntil([] { return false; }, 20);
  }
  EXPECT_EQ(program->ReadAndCloseMessage(), kSplitFinished);
  EXPECT_GT(probes, 0);
  EXPECT_FALSE(WorkShowing());
  EXPECT_TRUE(IsWindowEnabled(program->Button("打开要均分的文件")));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(program->Button("开始分割")) != FALSE; }));
  int64_t written = 0;
  for (const std::string& part : FilesMatching(folder.Path(), "large.bin.vexl*")) written += SizeOf(folder.File(part));
  EXPECT_EQ(written, 2 * kGiB);
}

TEST_F(WorkWindow, CancellingASplitRemovesItsPartsAndKeepsTheOlderOnes) {
  const std::string source = folder.File("big.bin");
  MakeLargeFile(source, 2 * kGiB);
  WriteFileBytes(folder.File("big.bin.vexl3"), "an older third part");
  WriteFileBytes(folder.File("big.bin.vexl9"), "not this run's");

  StartSplit(source, "4", IDYES);  // its removal is undone with the rest
  WaitForProgress();
  program->Screenshot(Screenshots("main-window-splitting.png"), nullptr, false);
  // Esc presses the cancel button, which has the focus while the run goes.
  PostMessageW(program->Button("取消"), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(program->ReadAndCloseMessage(), kSplitCancelled);
  EXPECT_EQ(FilesMatching(folder.Path(), "*"), (std::vector<std::string>{"big.bin", "big.bin.vexl3", "big.bin.vexl9"}));
  EXPECT_EQ(ReadFileBytes(folder.File("big.bin.vexl3")), "an older third part");
  EXPECT_EQ(SizeOf(source), 2 * kGiB);
  EXPECT_FALSE(WorkShowing());
}

TEST_F(WorkWindow, CancellingAMergeRemovesItsOutputAndGivesBackTheFileItReplaced) {
  MakeLargeFile(folder.File("m.vexl1"), kGiB);
  MakeLargeFile(folder.File("m.vexl2"), kGiB);
  WriteFileBytes(folder.File("m"), "the file the merge replaces");
  program->SelectPage(1);
  AddToList(folder.Path(), {"m.vexl1", "m.vexl2"});
  Click(program->Button("开始合并"));
  program->ChooseInFileDialogAndAnswer(folder.File("m"), IDYES);
  ASSERT_TRUE(WaitUntil([&] { return WorkShowing(); }));
  WaitForProgress();
  program->Screenshot(Screenshots("main-window-merging.png"), nullptr, false);
  Click(program->Button("取消"));
  EXPECT_EQ(program->ReadAndCloseMessage(), kMergeCancelled);
  EXPECT_EQ(ReadFileBytes(folder.File("m")), "the file the merge replaces");
  EXPECT_EQ(FilesMatching(folder.Path(), "*"), (std::vector<std::string>{"m", "m.vexl1", "m.vexl2"}));
}

TEST_F(WorkWindow, ClosingDuringASplitAsksAndCancelsOnlyWhenTold) {
  const std::string source = folder.File("closing.bin");
  MakeLargeFile(source, 4 * kGiB);
  StartSplit(source, "2");
  PostMessageW(program->MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program->AnswerQuestion(IDNO), "文件正在处理中，是否取消并退出？");
  EXPECT_TRUE(program->Running());
  EXPECT_TRUE(WorkShowing());

  PostMessageW(program->MainWindow(), WM_CLOSE, 0, 0);
  program->AnswerQuestion(IDYES);
  ASSERT_TRUE(WaitUntil([&] { return !program->Running(); }));
  EXPECT_EQ(program->ExitCode(), 0u);
  EXPECT_EQ(FilesMatching(folder.Path(), "*"), (std::vector<std::string>{"closing.bin"}));
}

TEST_F(WorkWindow, PartsDroppedInAnyOrderMergeInTheOrderOfTheirNumbers) {
  // Twelve parts: by name, ".vexl10" sorts before ".vexl2".
  const std::string content = Bytes(12 * 100 + 7, 9);
  std::vector<std::string> parts;
  for (int k = 1; k <= 12; ++k) {
    parts.push_back(folder.File(std::string("movie.avi.vexl").append(std::to_string(k))));
    WriteFileBytes(parts.back(), content.substr((k - 1) * 100, k == 12 ? std::string::npos : 100));
  }
  program->SelectPage(1);
  const int shuffled[] = {10, 2, 1, 12, 5, 3, 11, 7, 4, 9, 6, 8};
  std::vector<std::string> dropped;
  for (int k : shuffled) dropped.push_back(parts[k - 1]);
  program->DropFiles(dropped);
  ASSERT_TRUE(WaitUntil([&] { return program->ListCount() == 12; }));
  EXPECT_EQ(program->ListItems(), parts);

  Click(program->Button("开始合并"));
  program->ChooseInFileDialog(folder.File("movie.avi"));
  EXPECT_EQ(program->ReadAndCloseMessage(), kMergeFinished);
  EXPECT_EQ(ReadFileBytes(folder.File("movie.avi")), content);
}

TEST_F(WorkWindow, AFirstPartAddedAloneOffersTheRestOfItsSet) {
  for (const char* name : {"s.vexl1", "s.vexl2", "s.vexl3", "s.vexl5"}) WriteFileBytes(folder.File(name), name);
  program->SelectPage(1);
  const struct {
    int answer;
    std::vector<std::string> added;
  } cases[] = {
      {IDNO, {"s.vexl1"}}, {IDYES, {"s.vexl1", "s.vexl2", "s.vexl3"}},  // up to the first one missing
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.answer);
    program->UseListMenu(3);  // 全部删除
    ASSERT_TRUE(WaitUntil([&] { return program->ListCount() == 0; }));
    AddToList(folder.Path(), {"s.vexl1"});
    EXPECT_EQ(program->AnswerQuestion(test.answer), "同一组的局部文件 s.vexl2 至 s.vexl3 也在这里，是否一并添加？");
    std::vector<std::string> expected;
    for (const std::string& name : test.added) expected.push_back(folder.File(name));
    EXPECT_TRUE(WaitUntil([&] { return program->ListItems() == expected; }));
  }
}

TEST_F(WorkWindow, AListThatCannotBeOneSplitInOrderAsksBeforeTheMerge) {
  for (const char* name : {"g.vexl1", "g.vexl2", "g.vexl4"}) WriteFileBytes(folder.File(name), "ab");
  program->SelectPage(1);
  AddToList(folder.Path(), {"g.vexl4", "g.vexl1", "g.vexl2"});
  AddToList(folder.Path(), {"g.vexl2"});
  Click(program->Button("开始合并"));
  EXPECT_EQ(program->AnswerQuestion(IDCANCEL),
            "合并前发现以下问题：\n局部文件 g.vexl2 列出了不止一次\n缺少局部文件 g.vexl3\n\n"
            "是否仍按列表顺序合并？选择“取消”则不合并。");
  EXPECT_FALSE(program->AnyMessageOpen());  // no save dialog follows
  EXPECT_FALSE(Exists(folder.File("g")));
}

TEST_F(WorkWindow, ASplitIntoFewerPartsAsksAboutTheEarlierHigherParts) {
  const std::string source = folder.File("f.bin");
  WriteFileBytes(source, Bytes(60, 7));
  const struct {
    int answer;
    size_t partsAfter;  // f.bin.vexl* in the folder afterwards
    const char* message;
  } cases[] = {{IDCANCEL, 5, nullptr}, {IDNO, 5, kSplitFinished}, {IDYES, 3, kSplitFinished}};
  ChooseSource(source);
  for (const auto& test : cases) {
    SCOPED_TRACE(test.answer);
    for (int k = 1; k <= 5; ++k) WriteFileBytes(folder.File("f.bin.vexl" + std::to_string(k)), "old");
    TypeInto(CountEdit(), "3");
    Click(program->Button("开始分割"));
    EXPECT_EQ(program->AnswerQuestion(test.answer),
              "这个文件夹里有以前分割留下的局部文件 f.bin.vexl4 至 f.bin.vexl5，是否删除它们？\n"
              "“是”删除，“否”保留，“取消”不分割。");
    if (test.message != nullptr) {
      EXPECT_EQ(program->ReadAndCloseMessage(), test.message);
    }
    EXPECT_FALSE(program->AnyMessageOpen());
    EXPECT_EQ(FilesMatching(folder.Path(), "f.bin.vexl*").size(), test.partsAfter);
    EXPECT_EQ(ReadFileBytes(folder.File("f.bin.vexl1")).size(), test.answer == IDCANCEL ? 3u : 20u);
  }
}

TEST_F(WorkWindow, AFileDroppedOnTheSplitPageBecomesTheSource) {
  const std::string source = folder.File("dropped.bin");
  WriteFileBytes(source, Bytes(60, 7));
  program->DropFiles({source});
  ASSERT_TRUE(WaitUntil([&] { return TextOf(program->Children(L"TsEdit").at(0)) == source; }));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(program->Button("开始分割")) != FALSE; }));
  EXPECT_EQ(SplitWithCount("2"), kSplitFinished);
  EXPECT_EQ(FilesMatching(folder.Path(), "dropped.bin.vexl*").size(), 2u);
}

TEST_F(WorkWindow, FoldersUnreadableFilesAndSeveralSourcesAreRefused) {
  const std::string source = folder.File("kept.bin");
  WriteFileBytes(source, "kept");
  program->DropFiles({source});
  ASSERT_TRUE(WaitUntil([&] { return TextOf(program->Children(L"TsEdit").at(0)) == source; }));
  const std::string other = folder.File("other.bin");
  WriteFileBytes(other, "other");
  const std::string missing = folder.File("missing.bin");
  const std::string busy = folder.File("busy.bin");
  WriteFileBytes(busy, "busy");
  HANDLE held = CreateFileW(ToWide(busy).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const struct {
    std::vector<std::string> dropped;
    std::string message;
  } cases[] = {
      {{folder.Path()}, "不能使用 " + folder.Path() + "：它是文件夹或无法读取"},
      {{other, missing}, "不能使用 " + missing + "：它是文件夹或无法读取"},
      {{busy}, "不能使用 " + busy + "：它是文件夹或无法读取"},
      {{other, source}, "一次只能均分一个文件"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.message);
    program->DropFiles(test.dropped);
    EXPECT_EQ(program->ReadAndCloseMessage(), test.message);
    EXPECT_EQ(TextOf(program->Children(L"TsEdit").at(0)), source);
  }
  CloseHandle(held);
}

}  // namespace
}  // namespace sundrel::e2e
