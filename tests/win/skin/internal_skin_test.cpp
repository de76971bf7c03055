// The Windows side of skin data: the skin pack inside the program's resources, the warning box
// for data that is not a pack, and real skin folders with Windows paths.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "base/os_file.h"
#include "base/utf.h"
#include "file_fixture.h"
#include "skin/manager/internal_skin_win32.h"
#include "skin/manager/pack_warning_win32.h"
#include "skin/manager/program_folder_win32.h"
#include "skin/pack/skin_directory.h"
#include "skin/pack/skin_pack.h"

namespace sundrel {
namespace {

using ::testing::ElementsAre;

TEST(InternalSkinTest, TheProgramsResourceHoldsTheTidewaterPack) {
  TsStoredSkins skins;
  TsStoredSkin& skin = AddInternalSkin(skins);
  ASSERT_EQ(skins.IndexOfSkinName("Tidewater (internal)"), 0);

  const int64_t size = skin.Data.Size();
  TacSkinConvertor reader([](const std::string& text) { ADD_FAILURE() << text; });
  reader.AttachSource(skin.Data);
  reader.Unpack();
  reader.DetachSource();

  ASSERT_NE(reader.Options(), nullptr);
  EXPECT_GT(reader.Options()->Size(), 0);
  ASSERT_EQ(reader.Images().size(), 2u);
  EXPECT_EQ(reader.Images()[0].Name, "Master.bmp");
  EXPECT_EQ(reader.Images()[1].Name, "ButtonHuge.bmp");
  EXPECT_NE(reader.FindImage("MASTER.BMP"), nullptr);
  // The reader leaves the stored skin's bytes to their owner, read to their last byte.
  EXPECT_EQ(skin.Data.Size(), size);
  EXPECT_EQ(skin.Data.Position(), size);
}

TEST(InternalSkinTest, AModuleWithoutTheResourceIsAClearError) {
  TsStoredSkins skins;
  try {
    AddInternalSkin(skins, GetModuleHandleW(L"kernel32.dll"));
    ADD_FAILURE() << "a module without the skin gave one";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "The program's skin resource \"TIDEWATER_ASZ\" is missing");
  }
  EXPECT_EQ(skins.Count(), 0);
}

struct SeenBox {
  std::wstring text;
  bool warningIcon = false;
  int ticks = 0;
};
SeenBox seenBox;

// Runs inside the message box's own message loop: reads the box and presses OK.
void CALLBACK CloseWarningBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(L"#32770", L"Warning");
  if (box == nullptr) {
    // Generous bound: a box that never shows fails the test instead of blocking it.
    if (++seenBox.ticks > 400) KillTimer(nullptr, timer);
    return;
  }
  wchar_t text[256] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 256);
  seenBox.text = text;
  HICON warning = LoadIconW(nullptr, IDI_WARNING);
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    seenBox.warningIcon = seenBox.warningIcon || (icon != nullptr && icon == warning);
  }
  KillTimer(nullptr, timer);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(PackWarningTest, DataThatIsNotAPackIsShownInAWarningBox) {
  TMemoryStream notAPack;
  notAPack.WriteBuffer("BM a bitmap", 11);
  TacSkinConvertor reader(ShowPackWarning);
  reader.AttachSource(notAPack);
  seenBox = {};
  SetTimer(nullptr, 0, 25, CloseWarningBox);
  reader.Unpack();

  EXPECT_EQ(Utf16ToUtf8(std::u16string(seenBox.text.begin(), seenBox.text.end())),
            "Loaded data is not a packed skin file");
  EXPECT_TRUE(seenBox.warningIcon);
  EXPECT_EQ(reader.Options(), nullptr);
}

TEST(ProgramFolderTest, IsTheFolderOfTheRunningProgramWithItsSeparator) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_TRUE(SystemFileSystem().FileExists(folder + "skin_win_tests.exe"));
}

TEST(SkinFolderTest, RealSkinFoldersAreListedAndFoundWithWindowsPaths) {
  test::TempDir temp;
  const std::string skins = temp.File("Skins");
  std::filesystem::create_directories(ToWide(skins + "\\Coral"));
  std::filesystem::create_directories(ToWide(skins + "\\Empty"));
  test::WriteFileBytes(skins + "\\Coral\\OPTIONS.DAT", {'x'});  // Windows names ignore case
  test::WriteFileBytes(skins + "\\Blue.dark.asz", {1});
  test::WriteFileBytes(skins + "\\Blue.ASZ", {1});
  TsStoredSkins internal;
  internal.Add().Name = "Tidewater (internal)";

  std::vector<std::string> names;
  EXPECT_EQ(GetSkinNames(names, SkinListFilter::All, internal, skins, ProgramFolder()), "Tidewater (internal)");
  EXPECT_THAT(names, ElementsAre("Tidewater (internal)", "Blue", "Coral"));

  const SkinLocation folder = LocateSkin("Coral", skins, ProgramFolder(), internal);
  EXPECT_EQ(folder.kind, SkinLocation::Kind::Folder);
  EXPECT_EQ(folder.skinFolder, skins + "\\Coral\\");
  const SkinLocation pack = LocateSkin("Blue.dark", skins + "\\", ProgramFolder(), internal);
  EXPECT_EQ(pack.kind, SkinLocation::Kind::Pack);
  EXPECT_EQ(pack.path, skins + "\\Blue.dark.asz");
}

}  // namespace
}  // namespace sundrel
