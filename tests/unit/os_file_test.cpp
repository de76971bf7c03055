#include "base/os_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "file_fixture.h"

namespace sundrel {
namespace {

using ::testing::IsEmpty;

TEST(SystemFileSystem, TellsFilesFromFoldersAndListsAFolderInNameOrder) {
  test::TempDir folder;
  test::WriteFileBytes(folder.File("b.asz"), {1});
  test::WriteFileBytes(folder.File("A.asz"), {1});
  std::filesystem::create_directory(folder.File("Coral"));
  FileSystem& files = SystemFileSystem();
  EXPECT_TRUE(files.FolderExists(folder.Path()));
  EXPECT_FALSE(files.FileExists(folder.Path()));
  EXPECT_TRUE(files.FileExists(folder.File("b.asz")));
  EXPECT_FALSE(files.FolderExists(folder.File("b.asz")));
  EXPECT_FALSE(files.FileExists(folder.File("c.asz")));
  EXPECT_FALSE(files.FileExists(""));

  const std::vector<FolderEntry> entries = files.ListFolder(folder.Path());
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "A.asz");
  EXPECT_EQ(entries[1].name, "Coral");
  EXPECT_EQ(entries[2].name, "b.asz");
  EXPECT_FALSE(entries[0].isFolder);
  EXPECT_TRUE(entries[1].isFolder);
  EXPECT_TRUE(files.FolderExists(folder.File("Coral")));
  EXPECT_THAT(files.ListFolder(folder.File("missing")), IsEmpty());
}

}  // namespace
}  // namespace sundrel
