#include "skin/pack/stored_skins.h"

#include <gtest/gtest.h>

namespace sundrel {
namespace {

TsStoredSkins SkinsNamed(std::initializer_list<const char*> names) {
  TsStoredSkins skins;
  for (const char* name : names) skins.Add().Name = name;
  return skins;
}

TEST(StoredSkinsTest, IndexOfSkinNameFindsTheFirstExactMatch) {
  const TsStoredSkins skins = SkinsNamed({"Tidewater (internal)", "Blue", "blue", "Blue"});

  EXPECT_EQ(skins.IndexOfSkinName("Blue"), 1);
  EXPECT_EQ(skins.IndexOfSkinName("blue"), 2);
  EXPECT_EQ(skins.IndexOfSkinName("BLUE"), -1);
  EXPECT_EQ(skins.IndexOfSkinName(""), -1);
  EXPECT_EQ(TsStoredSkins().IndexOfSkinName("Blue"), -1);
}

TEST(StoredSkinsTest, ANewItemHoldsThePublishedDefaults) {
  TsStoredSkins skins;
  const TsStoredSkin& skin = skins.Add();

  EXPECT_EQ(skin.Shadow1Blur, -1);
  EXPECT_EQ(skin.BorderColor, 0xFF00FF);
  EXPECT_EQ(skin.Shadow1Color, 0);
  EXPECT_EQ(skin.GeneralData.Count(), 0);
  EXPECT_EQ(const_cast<TMemoryStream&>(skin.Data).Size(), 0);
}

TEST(StoredSkinsTest, AssignmentCopiesEveryItemWithItsDataAndInnerCollections) {
  TsStoredSkins source = SkinsNamed({"One", "Two"});
  const uint8_t pack[] = {'A', 'S', 'z', 'f'};
  source.Items(1).Data.Write(pack, 4);
  source.Items(1).Images.Add().SectionName = "BUTTON";
  TsStoredSkins copy = SkinsNamed({"Old"});

  copy = source;
  source.Items(1).Images.Items(0).SectionName = "EDIT";
  source.Items(1).Data.SetSize(0);

  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.Items(0).Name, "One");
  EXPECT_EQ(copy.Items(1).Data.Size(), 4);
  ASSERT_EQ(copy.Items(1).Images.Count(), 1);
  EXPECT_EQ(copy.Items(1).Images.Items(0).SectionName, "BUTTON");
  EXPECT_THROW(copy.Items(2), std::out_of_range);
}

}  // namespace
}  // namespace sundrel
