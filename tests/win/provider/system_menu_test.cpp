// The skinned system menu: its items follow the form's border, icons and state, and the
// "Available skins" submenu lists every skin, the current one checked, in columns of 20.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "provider_fixture.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {
namespace {

using testing::ProviderOfForm;
using testing::ProviderTest;

// The names of the items that are shown ("+") or shown disabled ("-"), in order.
std::string Shown(const TsSystemMenu& menu) {
  std::string shown;
  for (const TMenuItem* item :
       {menu.ItemRestore, menu.ItemMove, menu.ItemSize, menu.ItemMinimize, menu.ItemMaximize, menu.ItemClose}) {
    if (!item->Visible()) continue;
    if (!shown.empty()) shown += ' ';
    shown += item->Enabled() ? '+' : '-';
    shown += item->Name().substr(4);
  }
  return shown;
}

class SystemMenu : public ProviderTest {};

TEST_F(SystemMenu, ItemsFollowTheBorderAndTheIcons) {
  struct Case {
    TFormBorderStyle border;
    TBorderIcons icons;
    bool maximized;
    const char* shown;
  };
  const Case cases[] = {
      {bsSingle, biSystemMenu | biMinimize, false, "-Restore +Move -Size +Minimize +Close"},
      {bsSizeable, biSystemMenu | biMaximize, false, "-Restore +Move +Size -Minimize +Maximize +Close"},
      {bsSizeable, biSystemMenu | biMinimize | biMaximize, true, "+Restore -Move +Size +Minimize -Maximize +Close"},
      {bsDialog, biSystemMenu | biMinimize | biMaximize, false, "+Move +Close"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.border << " " << c.icons << (c.maximized ? " maximized" : ""));
    TForm* form = ShownForm(c.border, c.icons);
    if (c.maximized) ShowWindow(form->Handle(), SW_MAXIMIZE);
    TsSystemMenu& menu = *ProviderOfForm(form)->SystemMenu();
    menu.UpdateItems();
    EXPECT_EQ(Shown(menu), c.shown);
    form->Free();
  }
}

TEST_F(SystemMenu, ListsTheSkinsInColumnsOfTwenty) {
  TsSkinManager* manager = Manager();
  for (int i = 1; i < 45; ++i) manager->InternalSkins().Add().Name = "Skin " + std::to_string(i);
  TForm* form = ShownForm();
  TsSystemMenu& menu = *ProviderOfForm(form)->SystemMenu();
  for (int shown = 0; shown < 2; ++shown) menu.UpdateSkinItems(manager);

  ASSERT_NE(menu.SkinItems(), nullptr);
  EXPECT_EQ(menu.Items()->Items(0), menu.SkinItems()) << "at the top, once";
  EXPECT_TRUE(menu.Items()->Items(1)->IsLine());
  EXPECT_FALSE(menu.Items()->Items(2)->IsLine());
  EXPECT_EQ(menu.SkinItems()->Caption(), SAvailableSkins);
  const TMenuItem& skins = *menu.SkinItems();
  ASSERT_EQ(skins.Count(), 45);
  std::vector<int> columnStarts;
  std::vector<std::string> checked;
  for (int i = 0; i < skins.Count(); ++i) {
    if (skins.Items(i)->Break()) columnStarts.push_back(i);
    if (skins.Items(i)->Checked()) checked.push_back(skins.Items(i)->Caption());
    EXPECT_TRUE(skins.Items(i)->RadioItem());
  }
  EXPECT_EQ(columnStarts, (std::vector<int>{20, 40}));
  EXPECT_EQ(checked, std::vector<std::string>{manager->SkinName()});

  menu.UpdateSkinItems(nullptr);
  EXPECT_EQ(menu.SkinItems(), nullptr);
  EXPECT_EQ(menu.Items()->Items(0), menu.ItemRestore) << "the line went with the submenu";
}

}  // namespace
}  // namespace sundrel
