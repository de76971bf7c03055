// The manager keeps each section's gradient lists parsed for painting; hue and saturation reach
// their colours too.
#include <gtest/gtest.h>

#include "paint/gradient.h"
#include "skin/skin_manager_win32.h"
#include "test_skins.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

TEST(GradientColours, TurnWithTheHueOfTheSkin) {
  test::TempDir folder;
  TOwned<TsSkinManager> manager(ManagerWithTestSkin(folder, nullptr));
  const int panel = manager->GetSkinIndex("PANEL");
  ASSERT_EQ(manager->GradientArray(panel), (TsGradArray{{kRed, kOrange, 100, 0}}));
  EXPECT_TRUE(manager->HotGradientArray(panel).empty());
  EXPECT_TRUE(manager->GradientArray(manager->GetSkinIndex("GLOBALINFO")).empty());
  EXPECT_TRUE(manager->GradientArray(-1).empty());

  manager->SetHueOffset(180);
  EXPECT_EQ(manager->GradientArray(panel), (TsGradArray{{kCyan, 0xC86400, 100, 0}}));
}

}  // namespace
}  // namespace sundrel
