#include <gtest/gtest.h>

#include <atomic>
#include <map>

#include "app/split_merge.h"
#include "base/errors.h"
#include "base/path_text.h"
#include "file_fixture.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace sundrel {
namespace {

using test::Bytes;
using test::TempDir;

// Merging into one of the listed files would truncate it before it is read.
void ExpectRefusedAndUntouched(const std::vector<std::string>& items, const std::string& output,
                               const std::string& victim) {
  const Bytes before = test::ReadFileBytes(victim);
  try {
    MergeParts(items, output);
    FAIL() << "merged into listed file " << output;
  } catch (const EFCreateError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot create file \"" + CurrentFileSystem().ExpandFileName(output) +
                  "\". It is one of the files to merge");
  }
  EXPECT_EQ(test::ReadFileBytes(victim), before);
}

TEST(MergeSafety, RefusesAnOutputThatIsOneOfTheListedFiles) {
  TempDir dir;
  test::WriteFileBytes(dir.File("a.vexl1"), Bytes{1, 2, 3});
  test::WriteFileBytes(dir.File("a.vexl2"), Bytes{4});
  const std::vector<std::string> items = {dir.File("a.vexl1"), dir.File("a.vexl2")};

  ExpectRefusedAndUntouched(items, dir.File("a.vexl2"), dir.File("a.vexl2"));
  const std::string roundabout = dir.File("sub") + std::string(1, kPathDelim) + ".." + kPathDelim + "a.vexl1";
  ExpectRefusedAndUntouched(items, roundabout, dir.File("a.vexl1"));
#ifdef _WIN32
  std::string shouted = dir.File("A.VEXL1");
  ExpectRefusedAndUntouched(items, shouted, dir.File("a.vexl1"));
#endif
  EXPECT_FALSE(test::FileExists(dir.File("a")));
}

#ifndef _WIN32
TEST(MergeSafety, SeesThroughLinksToAListedFile) {
  TempDir dir;
  test::WriteFileBytes(dir.File("a.vexl1"), Bytes{1, 2, 3});
  ASSERT_EQ(::link(dir.File("a.vexl1").c_str(), dir.File("hard").c_str()), 0);
  ASSERT_EQ(::symlink(dir.File("a.vexl1").c_str(), dir.File("soft").c_str()), 0);
  ExpectRefusedAndUntouched({dir.File("a.vexl1")}, dir.File("hard"), dir.File("a.vexl1"));
  ExpectRefusedAndUntouched({dir.File("soft")}, dir.File("a.vexl1"), dir.File("a.vexl1"));
}
#endif

// Files that exist only as sizes, so parts of several gigabytes cost no disk and no time.
class SizedFileSystem final : public FileSystem {
 public:
  std::map<std::string, int64_t> sizes;  // files to read, and after the run the files written

  OpenResult Open(const std::string& path, FileMode mode, FileShare) override {
    if (mode == FileMode::Create) {
      sizes[path] = 0;
    } else if (!sizes.count(path)) {
      return {nullptr, "missing"};
    }
    return {std::make_unique<SizedFile>(sizes[path]), {}};
  }
  std::string ExpandFileName(const std::string& path) override { return path; }
  bool SameFile(const std::string& a, const std::string& b) override { return a == b; }
  bool FileExists(const std::string& path) override { return sizes.count(path) > 0; }
  bool FolderExists(const std::string&) override { return false; }
  std::vector<FolderEntry> ListFolder(const std::string&) override { return {}; }
  bool RemoveFile(const std::string& path) override { return sizes.erase(path) != 0; }
  bool RenameFile(const std::string& from, const std::string& to) override {
    if (!sizes.count(from) || sizes.count(to)) return false;
    sizes[to] = sizes[from];
    sizes.erase(from);
    return true;
  }

 private:
  class SizedFile final : public OsFile {
   public:
    explicit SizedFile(int64_t& size) : size_(size) {}
    int64_t Read(void*, int64_t count) override { return Move(std::min(count, size_ - position_)); }
    int64_t Write(const void*, int64_t count) override {
      Move(count);
      size_ = std::max(size_, position_);
      return count;
    }
    int64_t Seek(int64_t offset, SeekOrigin origin) override {
      position_ = (origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? position_ : size_) + offset;
      return position_;
    }
    bool SetSize(int64_t size) override {
      size_ = size;
      return true;
    }

   private:
    int64_t Move(int64_t count) {
      position_ += count;
      return count;
    }
    int64_t& size_;
    int64_t position_ = 0;
  };
};

TEST(LargeFiles, PartsAndMergedFilesBeyondTwoGigabytesKeepTheirSizes) {
  constexpr int64_t kGiB = int64_t{1} << 30;
  SizedFileSystem disk;
  ScopedFileSystem scope(disk);
  disk.sizes["big"] = 5 * kGiB + 3;
  {
    TFileStream source("big", FileMode::OpenRead, FileShare::Exclusive);
    ASSERT_EQ(SplitFile(source, 2, "out", "big"), 2);
  }
  const std::string folder = NormalizeFolderText("out");
  EXPECT_EQ(disk.sizes[folder + "big.vexl1"], 2'684'354'561);
  EXPECT_EQ(disk.sizes[folder + "big.vexl2"], 2'684'354'562);

  MergeParts({folder + "big.vexl1", folder + "big.vexl2", "big"}, "joined");
  EXPECT_EQ(disk.sizes["joined"], 10 * kGiB + 6);

  // Progress counts in 64 bits too, and replacing the output keeps nothing behind.
  int64_t lastDone = 0;
  std::atomic<bool> cancel{false};
  const WorkObserver observer{[&](int64_t done, int64_t) { lastDone = done; }, &cancel};
  MergeParts({folder + "big.vexl1", folder + "big.vexl2", "big"}, "joined", &observer);
  EXPECT_EQ(lastDone, 10 * kGiB + 6);
  EXPECT_EQ(disk.sizes["joined"], 10 * kGiB + 6);
  EXPECT_FALSE(disk.sizes.count("joined.keep"));
}

}  // namespace
}  // namespace sundrel
