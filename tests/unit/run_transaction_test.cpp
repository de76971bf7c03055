// A split or merge that does not complete leaves the folder as it was: whatever ended it, the
// files it would replace are back with their bytes and the files it created are gone.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>

#include "app/part_names.h"
#include "app/split_merge.h"
#include "app/undoable_writes.h"
#include "base/errors.h"
#include "file_fixture.h"

namespace sundrel {
namespace {

using test::Bytes;
using test::TempDir;
namespace fs = std::filesystem;

// A source of four 10-byte parts beside the parts of an earlier split into more (the second and
// a ninth), three files to merge and an earlier merge output.
void MakeFolder(const TempDir& dir) {
  test::WriteFileBytes(dir.File("clip.avi"), test::RandomBytes(40, 1));
  test::WriteFileBytes(dir.File("clip.avi.vexl2"), Bytes(70, 0xEE));
  test::WriteFileBytes(dir.File("clip.avi.vexl9"), Bytes(5, 0xAA));
  for (const char* name : {"a", "b", "c"}) test::WriteFileBytes(dir.File(name), Bytes(10, static_cast<uint8_t>(*name)));
  test::WriteFileBytes(dir.File("out"), Bytes(9, 0x55));
}

void SetReadOnly(const std::string& path, bool readOnly) {
  fs::permissions(fs::u8path(path), fs::perms::owner_write,
                  readOnly ? fs::perm_options::remove : fs::perm_options::add);
}

enum class Run { Split, SplitRemovingHigherParts, Merge };

struct Case {
  const char* what;
  Run run;
  const char* message;  // what the error says, up to the system's own words; %s is the file
  const char* file;     // the file the fault is about, in the folder
  int64_t writeBudget = -1;
  int64_t readBudget = -1;
  bool refuseCreate = false;
  bool failClose = false;
  bool refuseRename = false;
  bool readOnly = false;
  bool removeAtStart = false;
};

void RunCase(const TempDir& dir, Run run, const std::function<void()>& atStart) {
  std::atomic<bool> cancel{false};
  bool started = false;
  const WorkObserver observer{[&](int64_t, int64_t) {
                                if (!std::exchange(started, true) && atStart) atStart();
                              },
                              &cancel};
  if (run == Run::Merge) {
    MergeParts({dir.File("a"), dir.File("b"), dir.File("c")}, dir.File("out"), &observer);
    return;
  }
  TFileStream source(dir.File("clip.avi"), FileMode::OpenRead, FileShare::Exclusive);
  SplitFile(source, 4, dir.Path(), dir.File("clip.avi"), &observer,
            run == Run::Split ? HigherParts::Keep : HigherParts::Remove);
}

TEST(RunTransaction, AFailureAnywhereLeavesTheFolderAsItWas) {
  const char* writeError = "Stream write error";
  const Case cases[] = {
      {"split: disk full inside a part that replaces one", Run::Split, writeError, "", 15},
      {"split: the source cut short in the third part", Run::Split, "Stream read error", "", -1, 25},
      {"split: the last part cannot be created", Run::Split, "Cannot create file \"%s\". Refused", "clip.avi.vexl4", -1,
       -1, true},
      {"split: closing the third part fails", Run::Split, writeError, "clip.avi.vexl3", -1, -1, false, true},
      {"split: a part to replace cannot be set aside", Run::Split, SFileNotKept, "clip.avi.vexl2", -1, -1, false, false,
       true},
      {"split: a part to replace is read-only", Run::Split, SFileReadOnly, "clip.avi.vexl2", -1, -1, false, false,
       false, true},
      {"split removing higher parts: closing the last part fails", Run::SplitRemovingHigherParts, writeError,
       "clip.avi.vexl4", -1, -1, false, true},
      {"split removing higher parts: a higher part cannot be set aside", Run::SplitRemovingHigherParts, SRemoveNotKept,
       "clip.avi.vexl9", -1, -1, false, false, true},
      {"merge: disk full in the second file", Run::Merge, writeError, "", 15},
      {"merge: a file cut short", Run::Merge, "Stream read error", "", -1, 12},
      {"merge: the output cannot be created", Run::Merge, "Cannot create file \"%s\". Refused", "out", -1, -1, true},
      {"merge: closing the output fails", Run::Merge, writeError, "out", -1, -1, false, true},
      {"merge: the output to replace cannot be set aside", Run::Merge, SFileNotKept, "out", -1, -1, false, false, true},
      {"merge: the output to replace is read-only", Run::Merge, SFileReadOnly, "out", -1, -1, false, false, false,
       true},
      {"merge: a listed file removed after it was counted", Run::Merge, "Cannot open file \"%s\". ", "b", -1, -1, false,
       false, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    MakeFolder(dir);
    const std::string file = *c.file ? dir.File(c.file) : "";
    if (c.readOnly) SetReadOnly(file, true);
    const auto before = test::FolderContents(dir.Path());
    test::FaultyFileSystem disk;
    disk.writeBudget = c.writeBudget;
    disk.readBudget = c.readBudget;
    if (c.refuseCreate) disk.refusedCreate = file;
    if (c.failClose) disk.failingClose = file;
    if (c.refuseRename) disk.refusedRename = file;
    {
      ScopedFileSystem scope(disk);
      try {
        RunCase(dir, c.run, c.removeAtStart ? std::function<void()>([&] { fs::remove(fs::u8path(file)); }) : nullptr);
        ADD_FAILURE() << "the run completed";
      } catch (const EStreamError& error) {
        const std::string expected = FormatText(c.message, {SystemFileSystem().ExpandFileName(file)});
        EXPECT_EQ(std::string(error.what()).rfind(expected, 0), 0u) << error.what();
      }
    }
    auto after = test::FolderContents(dir.Path());
    if (c.removeAtStart) after[c.file] = before.at(c.file);  // the test's own doing, not the run's
    EXPECT_EQ(after, before);
    if (c.readOnly) SetReadOnly(file, false);
  }
}

TEST(RunTransaction, ACompleteRunLeavesNoKeptFileBehind) {
  TempDir dir;
  MakeFolder(dir);
  RunCase(dir, Run::SplitRemovingHigherParts, nullptr);
  RunCase(dir, Run::Merge, nullptr);
  const auto after = test::FolderContents(dir.Path());
  for (const auto& [name, bytes] : after) EXPECT_EQ(name.find(".keep"), std::string::npos) << name;
  const Bytes source = test::ReadFileBytes(dir.File("clip.avi"));
  EXPECT_EQ(after.at("clip.avi.vexl2"), Bytes(source.begin() + 10, source.begin() + 20));
  EXPECT_FALSE(after.count("clip.avi.vexl9"));
  EXPECT_EQ(after.at("out").size(), 30u);
}

// A kept name already taken, by a file or a folder, is passed over rather than written into.
TEST(RunTransaction, TheReplacedFileIsKeptUnderAFreeName) {
  TempDir dir;
  MakeFolder(dir);
  test::WriteFileBytes(dir.File("out.keep"), Bytes(3, 1));
  fs::create_directory(fs::u8path(dir.File("out.keep2")));
  const auto before = test::FolderContents(dir.Path());
  std::atomic<bool> cancel{true};
  const WorkObserver observer{nullptr, &cancel};
  EXPECT_THROW(MergeParts({dir.File("a")}, dir.File("out"), &observer), EOperationCancelled);
  EXPECT_EQ(test::FolderContents(dir.Path()), before);
  EXPECT_TRUE(fs::is_directory(fs::u8path(dir.File("out.keep2"))));
}

}  // namespace
}  // namespace sundrel
