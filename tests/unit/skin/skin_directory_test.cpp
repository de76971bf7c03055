#include "skin/pack/skin_directory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "base/os_file.h"

namespace sundrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct PathCase {
  const char* input;
  const char* expected;
};

TEST(IncludeSeparatorTest, EndsEveryNonEmptyPathInOneBackslash) {
  for (const PathCase& c : std::vector<PathCase>{
           {"", ""},
           {"c:\\Skins\\", "c:\\Skins\\"},
           {"c:\\Skins/", "c:\\Skins\\"},
           {"c", "c:\\"},
           {"c:", "c:\\"},
           {"c:\\Skins", "c:\\Skins\\"},
           {"Skins", "Skins\\"},
       }) {
    EXPECT_EQ(IncludeSeparator(c.input), c.expected) << c.input;
  }
}

TEST(ResolveSkinDirectoryTest, MakesRelativeFoldersAbsoluteAgainstTheProgramFolder) {
  const std::string program = "D:\\Apps\\Tool\\";
  for (const PathCase& c : std::vector<PathCase>{
           {"..\\Skins", "D:\\Apps\\Skins"},
           {"../Skins", "D:\\Apps\\Skins"},
           {"..", "D:\\Apps\\"},
           {".\\Skins", "D:\\Apps\\Tool\\Skins"},
           {"./Skins", "D:\\Apps\\Tool\\Skins"},
           {"Skins", "D:\\Apps\\Tool\\Skins"},
           {"Skins\\Dark", "D:\\Apps\\Tool\\Skins\\Dark"},
           {"", "D:\\Apps\\Tool\\"},
           {"c:\\Skins", "c:\\Skins"},
           {"E:Skins", "E:Skins"},
           {"\\\\server\\share\\Skins", "\\\\server\\share\\Skins"},
       }) {
    EXPECT_EQ(ResolveSkinDirectory(c.input, program), c.expected) << c.input;
  }
}

TEST(ResolveSkinDirectoryTest, TheParentOfARootFolderIsTheRootItself) {
  EXPECT_EQ(ResolveSkinDirectory("..\\Skins", "D:\\"), "D:\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("..\\Skins", "D:\\Tool\\"), "D:\\Skins");
}

// A folder tree held in memory, in place of the system's files while it lives; names are
// compared exactly. Nothing in it can be opened.
class FakeSkinFiles final : public FileSystem {
 public:
  void AddFile(const std::string& path) {
    files_.insert(path);
    AddParents(path);
  }
  void AddFolder(const std::string& path) {
    folders_.insert(path);
    AddParents(path);
  }

  OpenResult Open(const std::string&, FileMode, FileShare) override { return {nullptr, "not here"}; }
  std::string ExpandFileName(const std::string& path) override { return path; }
  bool SameFile(const std::string& a, const std::string& b) override { return a == b; }
  bool FileExists(const std::string& path) override { return files_.count(path) > 0; }
  bool FolderExists(const std::string& path) override { return folders_.count(path) > 0; }
  std::vector<FolderEntry> ListFolder(const std::string& path) override {
    std::vector<FolderEntry> entries;
    for (const auto* set : {&files_, &folders_}) {
      for (const std::string& item : *set) {
        if (item.rfind(path + "\\", 0) == 0 && item.find('\\', path.size() + 1) == std::string::npos) {
          entries.push_back({item.substr(path.size() + 1), set == &folders_});
        }
      }
    }
    SortByName(entries);
    return entries;
  }
  bool RemoveFile(const std::string&) override { return false; }
  bool RenameFile(const std::string&, const std::string&) override { return false; }

 private:
  void AddParents(const std::string& path) {
    for (size_t slash = path.rfind('\\'); slash != std::string::npos && slash > 2;
         slash = path.rfind('\\', slash - 1)) {
      folders_.insert(path.substr(0, slash));
    }
  }
  std::set<std::string> files_;
  std::set<std::string> folders_;
  ScopedFileSystem installed_{*this};
};

class SkinNamesTest : public ::testing::Test {
 protected:
  SkinNamesTest() {
    files.AddFolder("C:\\Skins\\Sand");  // no Options.dat: not a skin
    files.AddFile("C:\\Skins\\coral\\Options.dat");
    files.AddFile("C:\\Skins\\.hidden\\Options.dat");
    files.AddFile("C:\\Skins\\Blue.dark.asz");
    files.AddFile("C:\\Skins\\Blue.ASZ");  // the extension is case-sensitive
    files.AddFile("C:\\Skins\\amber.asz");
    files.AddFile("C:\\Skins\\.shadow.asz");
    files.AddFile("C:\\Skins\\notes.txt");
  }

  std::string Names(SkinListFilter filter, const TsStoredSkins& internal) {
    return GetSkinNames(names, filter, internal, "C:\\Skins", "C:\\Program\\");
  }

  FakeSkinFiles files;
  std::vector<std::string> names{"left over"};
};

TsStoredSkins Internal(std::initializer_list<const char*> list) {
  TsStoredSkins skins;
  for (const char* name : list) skins.Add().Name = name;
  return skins;
}

TEST_F(SkinNamesTest, ListsInternalSkinsFirstThenTheWantedKindsSortedWithoutCase) {
  const TsStoredSkins internal = Internal({"Tidewater (internal)", "Abyss"});

  EXPECT_EQ(Names(SkinListFilter::All, internal), "Tidewater (internal)");
  EXPECT_THAT(names, ElementsAre("Tidewater (internal)", "Abyss", "amber", "Blue", "coral"));

  Names(SkinListFilter::InternalAndFolders, internal);
  EXPECT_THAT(names, ElementsAre("Tidewater (internal)", "Abyss", "coral"));

  Names(SkinListFilter::InternalAndPacks, internal);
  EXPECT_THAT(names, ElementsAre("Tidewater (internal)", "Abyss", "amber", "Blue"));
}

TEST_F(SkinNamesTest, WithoutInternalSkinsTheFirstExternalNameFoundIsAnswered) {
  // The folder is read in name order ("Blue.ASZ", "Blue.dark.asz", "amber.asz", ...).
  EXPECT_EQ(Names(SkinListFilter::InternalAndPacks, TsStoredSkins()), "Blue");
  EXPECT_EQ(Names(SkinListFilter::InternalAndFolders, TsStoredSkins()), "coral");
}

TEST_F(SkinNamesTest, AMissingSkinFolderListsTheInternalSkinsOnly) {
  EXPECT_EQ(GetSkinNames(names, SkinListFilter::All, Internal({"Only"}), "C:\\Nowhere", "C:\\Program\\"), "Only");
  EXPECT_THAT(names, ElementsAre("Only"));
  EXPECT_EQ(GetSkinNames(names, SkinListFilter::All, TsStoredSkins(), "C:\\Nowhere", "C:\\Program\\"), "");
  EXPECT_THAT(names, IsEmpty());
}

struct LocateCase {
  const char* wanted;
  SkinLocation::Kind kind;
  const char* path;
  const char* skinFolder;
  const char* skinName;
  int internalIndex;
};

TEST(LocateSkinTest, APackComesBeforeAFolderAndAFolderBeforeAnInternalSkin) {
  FakeSkinFiles files;
  files.AddFile("C:\\Skins\\Both.asz");
  files.AddFile("C:\\Skins\\Both\\Options.dat");
  files.AddFile("C:\\Skins\\Tidewater (internal)\\Options.dat");
  const TsStoredSkins internal = Internal({"First", "Tidewater (internal)", "Second"});
  using Kind = SkinLocation::Kind;

  for (const LocateCase& c : std::vector<LocateCase>{
           {"Both", Kind::Pack, "C:\\Skins\\Both.asz", "C:\\Skins\\", "Both", -1},
           {"Tidewater (internal)", Kind::Folder, "C:\\Skins\\Tidewater (internal)\\Options.dat",
            "C:\\Skins\\Tidewater (internal)\\", "Tidewater (internal)", -1},
           {"Second", Kind::Internal, "", "", "Second", 2},
           {"Missing", Kind::Internal, "", "", "First", 0},
       }) {
    const SkinLocation found = LocateSkin(c.wanted, "C:\\Skins", "C:\\Program\\", internal);
    EXPECT_EQ(found.kind, c.kind) << c.wanted;
    EXPECT_EQ(found.path, c.path) << c.wanted;
    EXPECT_EQ(found.skinFolder, c.skinFolder) << c.wanted;
    EXPECT_EQ(found.skinName, c.skinName) << c.wanted;
    EXPECT_EQ(found.internalIndex, c.internalIndex) << c.wanted;
  }
}

TEST(LocateSkinTest, APackIsLookedForWhereSkinDirectorySaysAndAFolderWhereItResolves) {
  FakeSkinFiles files;
  files.AddFile("D:\\Apps\\Skins\\Blue.asz");
  files.AddFile("D:\\Apps\\Skins\\Blue\\Options.dat");

  SkinLocation found = LocateSkin("Blue", "..\\Skins", "D:\\Apps\\Tool\\", TsStoredSkins());
  EXPECT_EQ(found.kind, SkinLocation::Kind::Folder);
  EXPECT_EQ(found.skinFolder, "D:\\Apps\\Skins\\Blue\\");

  files.AddFile("..\\Skins\\Blue.asz");
  found = LocateSkin("Blue", "..\\Skins", "D:\\Apps\\Tool\\", TsStoredSkins());
  EXPECT_EQ(found.kind, SkinLocation::Kind::Pack);
  EXPECT_EQ(found.path, "..\\Skins\\Blue.asz");
  EXPECT_EQ(found.skinFolder, "D:\\Apps\\Skins\\");
}

TEST(LocateSkinTest, NoSkinAnywhereAndNoInternalSkinsFindsNothing) {
  FakeSkinFiles files;
  const SkinLocation found = LocateSkin("Blue", "c:\\Skins", "C:\\Program\\", TsStoredSkins());
  EXPECT_EQ(found.kind, SkinLocation::Kind::None);
  EXPECT_EQ(found.internalIndex, -1);
}

}  // namespace
}  // namespace sundrel
