#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "app/split_merge.h"
#include "file_fixture.h"

namespace sundrel {
namespace {

using test::Bytes;
using test::TempDir;

constexpr int64_t kChunk = static_cast<int64_t>(kCopyBufferSize);

struct Call {
  int64_t done;
  int64_t total;
};

// Records the progress of one run and raises the cancel flag once `cancelAt` bytes are done.
class Watcher {
 public:
  explicit Watcher(int64_t cancelAt = -1) : cancelAt_(cancelAt) {}
  Watcher(const Watcher&) = delete;
  Watcher& operator=(const Watcher&) = delete;

  const WorkObserver* Observer() const { return &observer_; }
  const std::vector<Call>& Calls() const { return calls_; }
  // Runs once, at the first report (it may change a file the run has not reached yet).
  std::function<void()> onFirstReport;

 private:
  void Report(int64_t done, int64_t total) {
    if (calls_.empty() && onFirstReport) onFirstReport();
    calls_.push_back({done, total});
    if (cancelAt_ >= 0 && done >= cancelAt_) cancel_ = true;
  }

  int64_t cancelAt_;
  std::atomic<bool> cancel_{false};
  std::vector<Call> calls_;
  WorkObserver observer_{[this](int64_t done, int64_t total) { Report(done, total); }, &cancel_};
};

// Starts at 0, never goes back, keeps done within the total and ends at it; one report per chunk.
void ExpectCompleteProgress(const std::vector<Call>& calls, int64_t total, size_t maxCalls) {
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().done, 0);
  for (size_t i = 1; i < calls.size(); ++i) {
    EXPECT_GT(calls[i].done, calls[i - 1].done) << "report " << i;
    EXPECT_LE(calls[i].done, calls[i].total) << "report " << i;
  }
  EXPECT_EQ(calls.back().done, total);
  EXPECT_EQ(calls.back().total, total);
  EXPECT_LE(calls.size(), maxCalls);
}

// A source "clip.avi" beside earlier part files: one the split replaces, one it never reaches,
// and a file with the very name a replaced part is first moved to.
Bytes MakeSplitFolder(const TempDir& dir, size_t sourceSize) {
  const Bytes source = test::RandomBytes(sourceSize, static_cast<uint32_t>(sourceSize));
  test::WriteFileBytes(dir.File("clip.avi"), source);
  test::WriteFileBytes(dir.File("clip.avi.vexl2"), Bytes(70, 0xEE));
  test::WriteFileBytes(dir.File("clip.avi.vexl2.keep"), Bytes(3, 0x11));
  test::WriteFileBytes(dir.File("clip.avi.vexl9"), Bytes(5, 0xAA));
  return source;
}

int32_t Split(const TempDir& dir, int32_t count, const WorkObserver* observer) {
  TFileStream stream(dir.File("clip.avi"), FileMode::OpenRead, FileShare::Exclusive);
  return SplitFile(stream, count, dir.Path(), dir.File("clip.avi"), observer);
}

TEST(WatchedSplit, WritesWhatAnUnwatchedOneWritesAndReportsUpToTheSourceSize) {
  struct Case {
    size_t size;
    int32_t count;
  };
  const Case cases[] = {{10, 3}, {3 * kCopyBufferSize + 5, 3}, {4 * kCopyBufferSize, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " bytes in " << c.count);
    TempDir plain, watched;
    MakeSplitFolder(plain, c.size);
    MakeSplitFolder(watched, c.size);
    Watcher watcher;
    ASSERT_EQ(Split(plain, c.count, nullptr), c.count);
    ASSERT_EQ(Split(watched, c.count, watcher.Observer()), c.count);
    EXPECT_EQ(test::FolderContents(watched.Path()), test::FolderContents(plain.Path()));
    ExpectCompleteProgress(watcher.Calls(), static_cast<int64_t>(c.size), 1 + c.count + c.size / kCopyBufferSize);
  }
}

TEST(CancelledSplit, LeavesExactlyTheFilesThatWereThere) {
  struct Case {
    const char* when;
    int64_t cancelAt;
  };
  const int64_t part = kChunk + kChunk / 2;  // four parts of one and a half chunks
  const Case cases[] = {
      {"before the first byte", 0},
      {"inside the first part", kChunk},
      {"between the second and the third part", 2 * part},
      {"inside the last part", 3 * part + kChunk},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.when);
    TempDir dir;
    MakeSplitFolder(dir, static_cast<size_t>(4 * part));
    const auto before = test::FolderContents(dir.Path());
    Watcher watcher(c.cancelAt);
    EXPECT_THROW(Split(dir, 4, watcher.Observer()), EOperationCancelled);
    EXPECT_EQ(test::FolderContents(dir.Path()), before);
    // Nothing moves after the report that saw the cancel.
    EXPECT_LT(watcher.Calls().back().done - c.cancelAt, kChunk);
  }
}

TEST(CancelledSplit, TooLateOnceTheLastByteIsWritten) {
  TempDir plain, dir;
  MakeSplitFolder(plain, 100);
  MakeSplitFolder(dir, 100);
  Split(plain, 4, nullptr);
  Watcher watcher(100);
  EXPECT_EQ(Split(dir, 4, watcher.Observer()), 4);
  EXPECT_EQ(test::FolderContents(dir.Path()), test::FolderContents(plain.Path()));
}

// Failures of a watched run leave what the same failure leaves without a watcher.
TEST(WatchedSplit, FailsLeavingTheSameFilesAsAnUnwatchedOne) {
  struct Case {
    const char* what;
    int64_t writeBudget;
    const char* refusedCreate;
  };
  const Case cases[] = {
      {"disk full inside a replaced part", 15, ""},
      {"a replaced part that cannot be created", -1, "clip.avi.vexl2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir plain, watched;
    MakeSplitFolder(plain, 40);
    MakeSplitFolder(watched, 40);
    Watcher watcher;
    const std::pair<const TempDir*, const WorkObserver*> runs[] = {{&plain, nullptr}, {&watched, watcher.Observer()}};
    for (const auto& [dir, observer] : runs) {
      test::FaultyFileSystem disk;
      disk.writeBudget = c.writeBudget;
      disk.refusedCreate = *c.refusedCreate ? dir->File(c.refusedCreate) : "";
      ScopedFileSystem scope(disk);
      EXPECT_THROW(Split(*dir, 4, observer), EStreamError);
    }
    EXPECT_EQ(test::FolderContents(watched.Path()), test::FolderContents(plain.Path()));
  }
}

// Three listed files of one and a half chunks each, and an output that may exist already.
std::vector<std::string> MakeMergeFolder(const TempDir& dir, bool outputExists) {
  std::vector<std::string> items;
  for (const char* name : {"a", "b", "c"}) {
    items.push_back(dir.File(name));
    test::WriteFileBytes(items.back(), test::RandomBytes(kCopyBufferSize * 3 / 2, static_cast<uint32_t>(*name)));
  }
  if (outputExists) test::WriteFileBytes(dir.File("out"), Bytes(9, 0x55));
  return items;
}

TEST(CancelledMerge, RemovesTheOutputAndBringsBackTheFileItReplaced) {
  for (const bool outputExists : {false, true}) {
    for (const int64_t cancelAt : {int64_t{0}, 2 * kChunk}) {
      SCOPED_TRACE(testing::Message() << "output exists " << outputExists << ", cancel at " << cancelAt);
      TempDir dir;
      const std::vector<std::string> items = MakeMergeFolder(dir, outputExists);
      const auto before = test::FolderContents(dir.Path());
      Watcher watcher(cancelAt);
      EXPECT_THROW(MergeParts(items, dir.File("out"), watcher.Observer()), EOperationCancelled);
      EXPECT_EQ(test::FolderContents(dir.Path()), before);
    }
  }
}

TEST(WatchedMerge, CountsTheListedFilesAsTheyAreWhenItReachesThem) {
  TempDir dir;
  std::vector<std::string> items = MakeMergeFolder(dir, true);
  test::WriteFileBytes(dir.File("empty"), Bytes{});
  items.insert(items.begin() + 1, dir.File("empty"));
  Bytes grown = test::ReadFileBytes(items.back());
  grown.resize(grown.size() + 1000, 7);
  Watcher watcher;
  // The last file grows after the run counted its bytes.
  watcher.onFirstReport = [&] { test::WriteFileBytes(items.back(), grown); };
  MergeParts(items, dir.File("out"), watcher.Observer());

  Bytes joined;
  for (const std::string& item : items) {
    const Bytes bytes = test::ReadFileBytes(item);
    joined.insert(joined.end(), bytes.begin(), bytes.end());
  }
  EXPECT_EQ(test::ReadFileBytes(dir.File("out")), joined);
  EXPECT_FALSE(test::FileExists(dir.File("out.keep")));  // the replaced output is gone for good
  ExpectCompleteProgress(watcher.Calls(), static_cast<int64_t>(joined.size()),
                         1 + items.size() + joined.size() / kCopyBufferSize);
}

TEST(WatchedMerge, AMissingListedFileStillFailsWhereTheMergeReachesIt) {
  TempDir dir;
  test::WriteFileBytes(dir.File("a"), Bytes{1, 2});
  Watcher watcher;
  EXPECT_THROW(MergeParts({dir.File("a"), dir.File("gone")}, dir.File("out"), watcher.Observer()), EFOpenError);
  EXPECT_FALSE(test::FileExists(dir.File("out")));
}

}  // namespace
}  // namespace sundrel
