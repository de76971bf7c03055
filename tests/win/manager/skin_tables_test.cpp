// What the manager builds from a skin: the tables of the skin model, with the hue and saturation
// settings applied to every colour, and the common sections laid over them.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/utf.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"
#include "test_skins.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class SkinTables : public ::testing::Test {
 protected:
  void SetUp() override {
    manager.reset(ManagerWithTestSkin(folder, nullptr));
    ASSERT_EQ(manager->SkinInfo(), "7.25");
  }

  const TsGeneralData& Panel() const { return manager->Skin().Sections().at(manager->GetSkinIndex("PANEL")); }
  const TacMemBitmap& OwnBitmap() const {
    const int mask = manager->GetMaskIndexDirect("PANEL", "BORDERSMASK");
    return *manager->Skin().Masks().at(mask).Image;
  }

  test::TempDir folder;
  TOwned<TsSkinManager> manager;
};

TEST_F(SkinTables, HalfATurnOfHueMakesRedCyanAndLeavesGreysHolesAndNoColour) {
  ASSERT_EQ(Panel().GradientArray, (TsGradArray{{kRed, kOrange, 100, 0}}));
  manager->SetHueOffset(180);

  EXPECT_EQ(Panel().Color, kCyan);
  EXPECT_EQ(Panel().HotColor, kGreen) << "a section colour turns, the key colour too";
  EXPECT_EQ(Panel().FontColor[0], kGrey);
  EXPECT_EQ(Panel().FontColor[1], 0xC86400) << "orange (200, 100, 0) turns to (0, 100, 200)";
  EXPECT_EQ(Panel().FontColor[2], -1);
  EXPECT_EQ(manager->SkinData().Shadow1Color, kCyan);
  EXPECT_EQ(manager->SkinData().BorderColor, kGrey);
  const TacMemBitmap& master = manager->Skin().MasterBitmap();
  EXPECT_EQ(master.Pixel(0, 0), kCyan);
  EXPECT_EQ(master.Pixel(1, 0), kGrey);
  EXPECT_EQ(master.Pixel(2, 0), kKey);
  EXPECT_EQ(OwnBitmap().Pixel(0, 0), kCyan);

  EXPECT_EQ(Panel().GradientArray, (TsGradArray{{kCyan, 0xC86400, 100, 0}}));

  // Each change starts again from the skin as written.
  manager->SetHueOffset(0);
  EXPECT_EQ(Panel().Color, kRed);
  EXPECT_EQ(manager->Skin().MasterBitmap().Pixel(0, 0), kRed);
}

TEST_F(SkinTables, SaturationMovesColoursAwayFromGreyOrTowardsIt) {
  // The key colour is already as far from its grey as it goes; towards it, it becomes a grey.
  const struct {
    int saturation;
    int32_t orange;
    int32_t key;
  } cases[] = {{100, kOrangeSaturated, kKey},
               {-100, kOrangeGreyed, 0xAAAAAA},
               {0, kOrange, kKey},
               {201, kOrangeSaturated, kKey}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.saturation);
    manager->SetSaturation(c.saturation);
    EXPECT_EQ(Panel().FontColor[1], c.orange);
    EXPECT_EQ(Panel().HotColor, c.key);
    EXPECT_EQ(manager->Skin().MasterBitmap().Pixel(1, 0), kGrey);
    EXPECT_EQ(manager->Skin().MasterBitmap().Pixel(2, 0), kKey);
  }
}

TEST_F(SkinTables, HueComesFirstThenSaturation) {
  manager->SetSaturation(-100);
  manager->SetHueOffset(180);
  // Cyan (0, 255, 255) greyed: the mean 170.
  EXPECT_EQ(Panel().Color, 0xAAAAAA);
  EXPECT_EQ(OwnBitmap().Pixel(0, 0), 0xAAAAAA);
}

TEST_F(SkinTables, APixelThatTheHueStepMakesTheKeyColourIsAHoleForTheSaturationStep) {
  test::WriteFileBytes(
      folder.File("Green.asz"),
      PackFile(TestSkinOptions(), {{"Master.bmp", BmpFile(2, 1, {kGreen, kKey})}, {"Own.bmp", BmpFile(1, 1, {kRed})}}));
  manager->SetSkinName("Green");
  manager->SetSaturation(-50);
  manager->SetHueOffset(180);
  EXPECT_EQ(manager->Skin().MasterBitmap().Pixel(0, 0), kKey);
  EXPECT_EQ(manager->Skin().MasterBitmap().Pixel(1, 0), kKey);
  // The key colour of a section: turned to green, then half way towards its grey 85.
  EXPECT_EQ(Panel().HotColor, 0x2AAA2A);
}

TEST_F(SkinTables, CommonSectionsAreLaidOverTheSkinWithoutTheirSpaces) {
  manager->SetCommonSections(
      {"[PANEL]", "COLOR = 65280", "; a comment keeps its spaces", "[EXTRA]", "PARENTCLASS = PANEL"});
  EXPECT_EQ(Panel().Color, 0x00FF00);
  ASSERT_GE(manager->GetSkinIndex("EXTRA"), 0);
  EXPECT_EQ(manager->Skin().Sections()[manager->GetSkinIndex("EXTRA")].Color, 0x00FF00);
  EXPECT_EQ(manager->CommonSections()[1], "COLOR=65280");
  EXPECT_EQ(manager->CommonSections()[2], "; a comment keeps its spaces");
}

TEST(StoredSkin, WithoutPackedDataItsOwnCollectionsAreTheSkin) {
  TsStoredSkins stored;
  TsStoredSkin& skin = stored.Add();
  skin.Name = "Plain";
  skin.Version = 3;
  TsSkinGeneral& panel = skin.GeneralData.Add();
  panel.SectionName = "PANEL";
  panel.Color = kRed;
  TOwned<TsSkinManager> manager(new TsSkinManager(nullptr));
  manager->SetInternalSkins(stored);
  manager->SetHueOffset(180);
  manager->SetSkinName("Plain");

  EXPECT_EQ(manager->SkinInfo(), "3");
  ASSERT_EQ(manager->GetSkinIndex("PANEL"), 0);
  EXPECT_EQ(manager->Skin().Sections()[0].Color, kCyan);
}

TEST(FolderSkin, IsReadFromItsFolderWithItsLooseImages) {
  test::TempDir skins;
  const std::string folder = skins.File("Loose");
  std::filesystem::create_directories(ToWide(folder));
  const std::string options = "[GLOBALINFO]\r\nVERSION=2\r\nMASTERBITMAP=MASTER.BMP\r\n";
  test::WriteFileBytes(folder + "\\Options.dat", test::Bytes(options.begin(), options.end()));
  test::WriteFileBytes(folder + "\\MASTER.BMP", BmpFile(1, 1, {kOrange}));
  TOwned<TsSkinManager> manager(new TsSkinManager(nullptr));
  manager->SetSkinDirectory(skins.Path());
  manager->SetSkinName("Loose");

  EXPECT_EQ(manager->SkinInfo(), "2");
  EXPECT_EQ(manager->SkinData().SkinFolder, folder + "\\");
  EXPECT_EQ(manager->Skin().MasterBitmap().Pixel(0, 0), kOrange);
}

}  // namespace
}  // namespace sundrel
