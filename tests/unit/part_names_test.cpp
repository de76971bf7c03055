#include "app/part_names.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "file_fixture.h"

namespace sundrel {
namespace {

using test::TempDir;

TEST(PartNames, OnlyTheSplitsOwnSpellingIsAPart) {
  const std::pair<std::string, std::optional<int32_t>> cases[] = {
      {"clip.avi.vexl1", 1},
      {"d/clip.avi.vexl12", 12},
      {"a.vexl.vexl3", 3},
      {"x.vexl2147483647", 2147483647},
      {"x.vexl2147483648", std::nullopt},  // no split writes that many parts
      {"x.VEXL3", std::nullopt},
      {"x.vexl03", std::nullopt},
      {"x.vexl0", std::nullopt},
      {"x.vexl", std::nullopt},
      {"x.vexl3 ", std::nullopt},
      {"x.vexl3.txt", std::nullopt},
      {"vexl3", std::nullopt},
      {"123", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [path, number] : cases) {
    const std::optional<PartName> part = ParsePartName(path);
    EXPECT_EQ(part ? std::optional(part->number) : std::nullopt, number) << path;
  }
  EXPECT_EQ(ParsePartName("d/clip.avi.vexl12")->base, "d/clip.avi");
}

TEST(PartNames, ChosenFilesAreOrderedByPartNumberWithinEachSet) {
  using List = std::vector<std::string>;
  const std::pair<List, List> cases[] = {
      {{"a.vexl10", "a.vexl2", "a.vexl1", "a.vexl3"}, {"a.vexl1", "a.vexl2", "a.vexl3", "a.vexl10"}},
      // Files that are no parts follow the parts, in the order they came.
      {{"notes.txt", "a.vexl2", "a.VEXL3", "a.vexl1"}, {"a.vexl1", "a.vexl2", "notes.txt", "a.VEXL3"}},
      // The same part twice stays twice.
      {{"a.vexl2", "a.vexl1", "a.vexl2"}, {"a.vexl1", "a.vexl2", "a.vexl2"}},
      // Sets keep the order of their first chosen file; the same name in another folder is
      // another set.
      {{"b.vexl2", "a.vexl1", "b.vexl1", "d/a.vexl1", "a.vexl2"},
       {"b.vexl1", "b.vexl2", "a.vexl1", "a.vexl2", "d/a.vexl1"}},
      {{}, {}},
  };
  for (const auto& [chosen, ordered] : cases)
    EXPECT_EQ(OrderChosenFiles(chosen), ordered) << testing::PrintToString(chosen);
}

TEST(PartNames, TheFirstMissingPartIsNamed) {
  using List = std::vector<std::string>;
  const std::pair<List, std::optional<std::string>> cases[] = {
      {{"a.vexl1", "a.vexl2", "a.vexl3"}, std::nullopt},
      {{"a.vexl3", "a.vexl1", "a.vexl2"}, std::nullopt},  // out of order, yet complete
      {{"a.vexl1", "a.vexl2", "a.vexl4", "a.vexl6"}, "a.vexl3"},
      {{"a.vexl2", "a.vexl3"}, "a.vexl1"},
      {{"a.vexl1", "a.vexl1", "a.vexl2"}, std::nullopt},
      {{"a.vexl1", "b.vexl2", "a.vexl3"}, "a.vexl2"},  // sets in the order they appear
      {{"a.vexl1", "a.vexl2", "b.vexl2"}, "b.vexl1"},
      {{"notes.txt", "a.VEXL2", "a.vexl1"}, std::nullopt},
  };
  for (const auto& [items, missing] : cases)
    EXPECT_EQ(FirstMissingPart(items), missing) << testing::PrintToString(items);
}

TEST(PartNames, TheRestOfASetIsFoundBesideItsFirstPartUpToAGap) {
  TempDir dir;
  for (const char* name : {"clip.avi.vexl1", "clip.avi.vexl2", "clip.avi.vexl3", "clip.avi.vexl5", "other.vexl2"}) {
    test::WriteFileBytes(dir.File(name), {1});
  }
  EXPECT_EQ(FindFollowingParts(dir.File("clip.avi.vexl1")),
            (std::vector<std::string>{dir.File("clip.avi.vexl2"), dir.File("clip.avi.vexl3")}));
  EXPECT_TRUE(FindFollowingParts(dir.File("clip.avi.vexl2")).empty());  // not a set's first part
  EXPECT_TRUE(FindFollowingParts(dir.File("clip.avi")).empty());

  // A folder that bears a part's name is no part.
  test::WriteFileBytes(dir.File("one.vexl1"), {1});
  std::filesystem::create_directory(std::filesystem::u8path(dir.File("one.vexl2")));
  EXPECT_TRUE(FindFollowingParts(dir.File("one.vexl1")).empty());
}

TEST(PartNames, HigherPartsOfAnEarlierSplitAreFoundByNumber) {
  TempDir dir;
  for (const char* name : {"clip.avi.vexl1", "clip.avi.vexl2", "clip.avi.vexl4", "clip.avi.vexl12", "clip.avi.vexl5",
                           "clip.avi.vexl05", "clip.avi.vexl6.txt", "other.avi.vexl9", "clip.avi"}) {
    test::WriteFileBytes(dir.File(name), {1});
  }
  std::filesystem::create_directory(std::filesystem::u8path(dir.File("clip.avi.vexl7")));
  EXPECT_EQ(
      HigherPartsOnDisk(dir.File("clip.avi"), 3),
      (std::vector<std::string>{dir.File("clip.avi.vexl4"), dir.File("clip.avi.vexl5"), dir.File("clip.avi.vexl12")}));
  EXPECT_TRUE(HigherPartsOnDisk(dir.File("clip.avi"), 12).empty());
}

// Parts on disk with the given sizes, listed for a merge in the order given.
struct ListCase {
  const char* what;
  std::vector<std::pair<std::string, size_t>> onDisk;
  std::vector<std::string> listed;
  std::vector<std::pair<MergeFindingKind, std::string>> findings;
};

TEST(MergeChecks, FindWhatOneSplitsPartsInOrderWouldNotHold) {
  using K = MergeFindingKind;
  const std::vector<std::pair<std::string, size_t>> threeParts = {{"a.vexl1", 3}, {"a.vexl2", 3}, {"a.vexl3", 4}};
  const ListCase cases[] = {
      {"a whole set in order", threeParts, {"a.vexl1", "a.vexl2", "a.vexl3"}, {}},
      {"a part listed twice, reported once",
       threeParts,
       {"a.vexl1", "a.vexl2", "a.vexl2", "a.vexl3", "a.vexl2"},
       {{K::ListedTwice, "a.vexl2"}}},
      {"parts out of order", threeParts, {"a.vexl1", "a.vexl3", "a.vexl2"}, {{K::OutOfOrder, "a.vexl2"}}},
      {"one part missing", threeParts, {"a.vexl1", "a.vexl3"}, {{K::Missing, "a.vexl2"}}},
      {"several parts missing, named as a range",
       {{"a.vexl1", 3}, {"a.vexl5", 3}, {"a.vexl6", 3}},
       {"a.vexl1", "a.vexl5", "a.vexl6"},
       {{K::Missing, "a.vexl2"}}},
      {"a middle part cut short",
       {{"a.vexl1", 3}, {"a.vexl2", 2}, {"a.vexl3", 4}},
       {"a.vexl1", "a.vexl2", "a.vexl3"},
       {{K::CutShort, "a.vexl2"}}},
      {"the first part cut short",
       {{"a.vexl1", 1}, {"a.vexl2", 3}, {"a.vexl3", 3}, {"a.vexl4", 3}},
       {"a.vexl1", "a.vexl2", "a.vexl3", "a.vexl4"},
       {{K::CutShort, "a.vexl1"}}},
      {"a last part smaller than the others",
       {{"a.vexl1", 3}, {"a.vexl2", 3}, {"a.vexl3", 2}},
       {"a.vexl1", "a.vexl2", "a.vexl3"},
       {{K::CutShort, "a.vexl3"}}},
      {"a last part with the largest remainder",
       {{"a.vexl1", 3}, {"a.vexl2", 3}, {"a.vexl3", 5}},
       {"a.vexl1", "a.vexl2", "a.vexl3"},
       {}},
      {"a last part larger than any remainder",
       {{"a.vexl1", 3}, {"a.vexl2", 3}, {"a.vexl3", 6}},
       {"a.vexl1", "a.vexl2", "a.vexl3"},
       {{K::TooLarge, "a.vexl3"}}},
      {"a middle part larger than the others",
       {{"a.vexl1", 3}, {"a.vexl2", 5}, {"a.vexl3", 3}, {"a.vexl4", 3}},
       {"a.vexl1", "a.vexl2", "a.vexl3", "a.vexl4"},
       {{K::Larger, "a.vexl2"}}},
      // Listed 1 and 2 of three: the second is not the last part, so its size is the part size.
      {"the next part on disk but not listed", threeParts, {"a.vexl1", "a.vexl2"}, {{K::NotListed, "a.vexl3"}}},
      {"a set's first part missing after another set",
       {{"a.vexl1", 3}, {"b.vexl2", 3}},
       {"a.vexl1", "b.vexl2"},
       {{K::Missing, "b.vexl1"}}},
      {"files that are no parts", {{"notes.txt", 3}, {"x.bin", 9}}, {"notes.txt", "x.bin"}, {}},
      {"one part alone", {{"a.vexl1", 3}}, {"a.vexl1"}, {}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    for (const auto& [name, size] : c.onDisk) test::WriteFileBytes(dir.File(name), test::Bytes(size, 1));
    std::vector<std::string> items;
    for (const std::string& name : c.listed) items.push_back(dir.File(name));
    std::vector<std::pair<MergeFindingKind, std::string>> found;
    for (const MergeFinding& finding : CheckMergeList(items)) found.emplace_back(finding.kind, finding.part);
    std::vector<std::pair<MergeFindingKind, std::string>> expected;
    for (const auto& [kind, name] : c.findings) expected.emplace_back(kind, dir.File(name));
    EXPECT_EQ(found, expected);
  }
}

TEST(MergeChecks, FindingsNameThePartsByTheirFileNames) {
  TempDir dir;
  for (const char* name : {"clip.avi.vexl1", "clip.avi.vexl3", "clip.avi.vexl5"})
    test::WriteFileBytes(dir.File(name), {1});
  std::vector<std::string> texts;
  for (const MergeFinding& finding :
       CheckMergeList({dir.File("clip.avi.vexl5"), dir.File("clip.avi.vexl1"), dir.File("clip.avi.vexl5")})) {
    texts.push_back(finding.text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"局部文件 clip.avi.vexl1 排在 clip.avi.vexl5 之后",
                                             "局部文件 clip.avi.vexl5 列出了不止一次",
                                             "缺少局部文件 clip.avi.vexl2 至 clip.avi.vexl4"}));
}

}  // namespace
}  // namespace sundrel
