#include "app/split_merge.h"

#include <gtest/gtest.h>

#include <random>

#include "base/errors.h"
#include "base/path_text.h"
#include "file_fixture.h"

#ifndef _WIN32
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#endif

namespace sundrel {
namespace {

using test::Bytes;
using test::TempDir;

// Windows paths in the cases below, written with this platform's delimiter.
std::string P(std::string text) {
  for (char& c : text) {
    if (c == '\\') c = kPathDelim;
  }
  return text;
}

Bytes Slice(const Bytes& bytes, size_t from, size_t count) {
  return Bytes(bytes.begin() + static_cast<ptrdiff_t>(from), bytes.begin() + static_cast<ptrdiff_t>(from + count));
}

// Splits a file of `source` bytes into `count` parts in `dir`; answers the part count written.
int32_t SplitBytes(const TempDir& dir, const Bytes& source, int32_t count, const std::string& folder) {
  const std::string sourcePath = dir.File("clip.avi");
  test::WriteFileBytes(sourcePath, source);
  TFileStream stream(sourcePath, FileMode::OpenRead, FileShare::Exclusive);
  return SplitFile(stream, count, folder, sourcePath);
}

TEST(SplitPlan, CountsAndSizesFollowFromSourceSizeAndPartCount) {
  struct Case {
    int64_t size;
    int32_t count;
    int32_t parts;
    int64_t partSize;
  };
  const Case cases[] = {
      {0, 3, 0, 0},         {10, 0, 0, 0},     {10, -1, 0, 0},   {10, INT32_MIN, 0, 0},
      {1, 1, 0, 0},         {1, 5, 0, 0},      {2, 1, 1, 2},     {10, 3, 3, 3},
      {10, 4, 4, 2},        {10, 9, 9, 1},     {10, 10, 0, 0},   {10, 11, 0, 0},
      {int64_t{5} << 30, 2, 2, int64_t{5} << 29},  // parts beyond 2 GiB
      {int64_t{1} << 40, INT32_MAX, INT32_MAX, (int64_t{1} << 40) / INT32_MAX},
  };
  for (const auto& c : cases) {
    const SplitPlan plan = PlanSplit(c.size, c.count);
    EXPECT_EQ(plan.partCount, c.parts) << c.size << " / " << c.count;
    EXPECT_EQ(plan.partSize, c.partSize) << c.size << " / " << c.count;
  }
}

TEST(SplitNames, FolderTextIsTrimmedAndEndsInOneDelimiter) {
  const std::pair<std::string, std::string> cases[] = {
      {P(" E:\\out "), P("E:\\out\\")},
      {P("E:\\"), P("E:\\")},
      {P("\t\x01 E:\\out\\\r\n"), P("E:\\out\\")},
      {"", P("\\")},
      {"   ", P("\\")},
      {P("E:\\文件"), P("E:\\文件\\")},
  };
  for (const auto& [text, normalized] : cases) EXPECT_EQ(NormalizeFolderText(text), normalized) << text;
}

TEST(SplitNames, PartsAreNamedAfterTheSourcesLastComponent) {
  EXPECT_EQ(PartFileName(P("E:\\out\\"), P("D:\\video\\clip.avi"), 1), P("E:\\out\\clip.avi.vexl1"));
  EXPECT_EQ(PartFileName(P("E:\\out\\"), P("D:\\video\\clip.avi"), 12), P("E:\\out\\clip.avi.vexl12"));
  EXPECT_EQ(PartFileName(P("E:\\out\\"), "clip.avi", 3), P("E:\\out\\clip.avi.vexl3"));
#ifdef _WIN32
  EXPECT_EQ(PartFileName("E:\\out\\", "D:clip.avi", 2), "E:\\out\\clip.avi.vexl2");
#endif
}

TEST(MergeName, ProposesTheTextBeforeTheFirstPartExtension) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {P("  E:\\out\\clip.avi.vexl1 "), P("E:\\out\\clip.avi")},
      {P("E:\\out\\clip.avi.VEXL1"), std::nullopt},
      {P("E:\\out\\notes.txt"), std::nullopt},
      {P("E:\\a.vexl\\b.vexl2"), P("E:\\a")},
      {".vexl1", ""},
      {"", std::nullopt},
  };
  for (const auto& [item, name] : cases) EXPECT_EQ(MergeOutputName(item), name) << item;
}

TEST(Split, WritesEqualPartsWithTheRemainderLast) {
  struct Case {
    size_t size;
    int32_t count;
    std::vector<size_t> partSizes;
  };
  const Case cases[] = {
      {10, 3, {3, 3, 4}},
      {10, 4, {2, 2, 2, 4}},
      {10, 9, {1, 1, 1, 1, 1, 1, 1, 1, 2}},
      {10, 1, {10}},
      {5, 4, {1, 1, 1, 2}},
      {3'000'000, 2, {1'500'000, 1'500'000}},  // parts larger than the copy buffer
      {10, 10, {}},
      {10, 0, {}},
      {1, 1, {}},
      {0, 3, {}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const Bytes source = test::RandomBytes(c.size, static_cast<uint32_t>(c.size));
    EXPECT_EQ(SplitBytes(dir, source, c.count, dir.Path()), static_cast<int32_t>(c.partSizes.size()));
    size_t offset = 0;
    for (size_t k = 1; k <= c.partSizes.size(); ++k) {
      EXPECT_EQ(test::ReadFileBytes(dir.File("clip.avi.vexl" + std::to_string(k))),
                Slice(source, offset, c.partSizes[k - 1]))
          << c.size << " bytes in " << c.count << ", part " << k;
      offset += c.partSizes[k - 1];
    }
    EXPECT_FALSE(test::FileExists(dir.File("clip.avi.vexl" + std::to_string(c.partSizes.size() + 1))));
  }
}

TEST(Split, ReplacesPartsOfTheSameNameAndLeavesHigherNumbersAlone) {
  TempDir dir;
  test::WriteFileBytes(dir.File("clip.avi.vexl1"), Bytes(50, 0xEE));
  test::WriteFileBytes(dir.File("clip.avi.vexl4"), Bytes(7, 0xAA));
  const Bytes source = test::RandomBytes(9, 1);

  ASSERT_EQ(SplitBytes(dir, source, 3, " " + dir.Path() + " "), 3);
  EXPECT_EQ(test::ReadFileBytes(dir.File("clip.avi.vexl1")), Slice(source, 0, 3));
  EXPECT_EQ(test::ReadFileBytes(dir.File("clip.avi.vexl4")), Bytes(7, 0xAA));
}

TEST(Split, IntoAMissingFolderFailsAtTheFirstPartAndWritesNothing) {
  TempDir dir;
  const std::string folder = dir.File("missing");
  try {
    SplitBytes(dir, Bytes(10, 1), 3, folder);
    FAIL() << "split into a missing folder";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + folder + P("\\clip.avi.vexl1") + "\". " +
                                             test::PathNotFoundText());
  }
  EXPECT_FALSE(test::FileExists(folder));
}

TEST(Split, ReadsTheWholeStreamFromItsStartWhateverItsPosition) {
  TempDir dir;
  const Bytes source = test::RandomBytes(20, 2);
  const std::string sourcePath = dir.File("clip.avi");
  test::WriteFileBytes(sourcePath, source);
  TFileStream stream(sourcePath, FileMode::OpenRead, FileShare::Exclusive);
  stream.SetPosition(15);
  ASSERT_EQ(SplitFile(stream, 2, dir.Path(), sourcePath), 2);
  EXPECT_EQ(test::ReadFileBytes(dir.File("clip.avi.vexl1")), Slice(source, 0, 10));
  EXPECT_EQ(test::ReadFileBytes(dir.File("clip.avi.vexl2")), Slice(source, 10, 10));
}

TEST(RoundTrip, MergingThePartsInOrderGivesTheSourceBack) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 25; ++round) {
    TempDir dir;
    const size_t size = 2 + random() % (round % 5 == 0 ? 3'500'000 : 70'000);
    const int32_t count = 1 + static_cast<int32_t>(random() % std::min<size_t>(size - 1, 40));
    const Bytes source = test::RandomBytes(size, random());
    ASSERT_EQ(SplitBytes(dir, source, count, dir.Path()), count);

    std::vector<std::string> parts;
    for (int32_t k = 1; k <= count; ++k) parts.push_back(dir.File("clip.avi.vexl" + std::to_string(k)));
    const std::string output = *MergeOutputName(parts[0]) + ".joined";
    MergeParts(parts, output);
    ASSERT_EQ(test::ReadFileBytes(output), source) << size << " bytes in " << count << " parts";
  }
}

TEST(Merge, AppendsAnyFilesInListOrderAndReplacesTheOutput) {
  TempDir dir;
  test::WriteFileBytes(dir.File("a"), Bytes{1, 2});
  test::WriteFileBytes(dir.File("empty"), Bytes{});
  test::WriteFileBytes(dir.File("b"), Bytes{3});
  test::WriteFileBytes(dir.File("out"), Bytes(100, 9));
  MergeParts({dir.File("b"), dir.File("empty"), dir.File("a"), dir.File("b")}, dir.File("out"));
  EXPECT_EQ(test::ReadFileBytes(dir.File("out")), (Bytes{3, 1, 2, 3}));

  MergeParts({}, dir.File("out"));
  EXPECT_EQ(test::ReadFileBytes(dir.File("out")), Bytes{});
}

TEST(Merge, AnOutputInAMissingFolderIsACreateFailure) {
  TempDir dir;
  test::WriteFileBytes(dir.File("a"), Bytes{1});
  const std::string output = dir.File("missing") + P("\\out");
  try {
    MergeParts({dir.File("a")}, output);
    FAIL() << "merged into a missing folder";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + output + "\". " + test::PathNotFoundText());
  }
}

#ifdef _WIN32
TEST(Merge, AListedFileThatAnotherProgramWritesIsNotRead) {
  TempDir dir;
  test::WriteFileBytes(dir.File("a"), Bytes{1, 2});
  test::WriteFileBytes(dir.File("busy"), Bytes{3});
  TFileStream writer(dir.File("busy"), FileMode::OpenReadWrite, FileShare::DenyNone);
  try {
    MergeParts({dir.File("a"), dir.File("busy")}, dir.File("out"));
    FAIL() << "read a file that is being written";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"" + dir.File("busy") + "\". ", 0), 0u)
        << error.what();
  }
  EXPECT_FALSE(test::FileExists(dir.File("out")));
}
#endif

#ifndef _WIN32
// A real file system that fills up: a small tmpfs, where this machine lets the test mount one.
TEST(FullDisk, ARealFullFileSystemEndsWithoutAnyPart) {
  TempDir dir;
  const std::string mountPoint = dir.File("small");
  ASSERT_EQ(::mkdir(mountPoint.c_str(), 0755), 0);
  if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "mounting a tmpfs is not permitted here: " << std::strerror(errno);
  }
  const Bytes source = test::RandomBytes(160 * 1024, 5);
  try {
    SplitBytes(dir, source, 4, mountPoint);
    ADD_FAILURE() << "a full file system went unnoticed";
  } catch (const EWriteError& error) {
    EXPECT_STREQ(error.what(), "Stream write error");
  }
  EXPECT_TRUE(test::FolderContents(mountPoint).empty());
  ::umount2(mountPoint.c_str(), MNT_DETACH);
}
#endif

}  // namespace
}  // namespace sundrel
