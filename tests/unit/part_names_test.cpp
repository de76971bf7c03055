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

}  // namespace
}  // namespace sundrel
