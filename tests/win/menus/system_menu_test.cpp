// The main window's skinned system menu, opened as a person opens it (a click on the title icon,
// Alt+Space): it and its "Available skins" submenu are owner-drawn from the skin while the skin
// paints popups and plain strings when it does not, and a skin chosen in the skinned submenu
// becomes the program's skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/utf.h"
#include "framework/menu_handles.h"
#include "menu_fixture.h"
#include "skin/manager/internal_skin_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/provider/s_system_menu.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr const char* kSecondSkin = "Tidewater (second)";

class SkinnedSystemMenu : public MainWindowMenu {
 protected:
  void SetUp() override {
    MainWindowMenu::SetUp();
    // A second skin to choose: the program's own skin under another name.
    TsStoredSkins& skins = form->sSkinManager1->InternalSkins();
    TsStoredSkin& second = skins.Add();
    second.Name = kSecondSkin;
    TMemoryStream& data = skins.Items(0).Data;
    second.Data.Write(data.Memory(), data.Size());
  }

  // The skins submenu of the open system menu (it is made anew for every showing).
  const TMenuItem& Skins() { return *SystemMenu()->SkinItems(); }

  // Steps that open the "Available skins" submenu from the keyboard and wait for its window.
  std::vector<TMenuStep> OpenSkins() {
    return {Press(VK_DOWN), Press(VK_RIGHT), [this](HWND) { return MenuWindowOf(Skins()) != nullptr; }};
  }

  // The types and texts of the system menu's items and of its skins submenu's, as the open
  // menus hold them.
  struct TShown {
    std::vector<TSystemItem> Top, Skins;
  };
  TShown ShownItems(bool byKeyboard) {
    TShown shown;
    std::vector<TMenuStep> steps{[&](HWND) {
      shown.Top = SystemItems(MenuWindowOf(*SystemMenu()->Items()));
      return true;
    }};
    for (TMenuStep& step : OpenSkins()) steps.push_back(std::move(step));
    steps.push_back([&](HWND) {
      shown.Skins = SystemItems(MenuWindowOf(Skins()));
      return true;
    });
    WithSystemMenu(byKeyboard, steps);
    return shown;
  }

  // The open system menu with its skins submenu open and the skin at `hot` picked out: the two
  // menus and the title bar under them as the screen shows them.
  TMenuPicture WithHotSkin(
      int hot, const TMenuStep& inside = [](HWND) { return true; }) {
    TMenuPicture picture;
    std::vector<TMenuStep> steps{ItemsDrawn(*SystemMenu()->Items())};
    for (TMenuStep& step : OpenSkins()) steps.push_back(std::move(step));
    steps.push_back([this](HWND menu) { return ItemsDrawn(Skins())(menu); });
    steps.push_back([hot](HWND menu) {
      for (int i = 0; i < hot; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
      return true;
    });
    steps.push_back([this, hot](HWND) {
      const TMenuItem* item = Skins().Items(hot);
      return std::any_of(drawn.begin(), drawn.end(),
                         [item](const auto& d) { return d.first == item && (d.second & ODS_SELECTED) != 0; });
    });
    // The hot picture reaches the screen before anyone looks.
    steps.push_back([](HWND) { return true; });
    steps.push_back(inside);
    steps.push_back([&](HWND) {
      RECT area{}, top{}, skins{};
      GetWindowRect(form->Handle(), &area);
      area.right = area.left + 40;
      area.bottom = area.top + 40;
      GetWindowRect(MenuWindowOf(*SystemMenu()->Items()), &top);
      GetWindowRect(MenuWindowOf(Skins()), &skins);
      UnionRect(&area, &area, &top);
      UnionRect(&area, &area, &skins);
      picture = CaptureArea(area);
      return true;
    });
    WithSystemMenu(false, steps);
    return picture;
  }

  // Every shown item is owner-drawn, or every one a plain string with its caption (the lines
  // plain separators).
  static void ExpectItems(const std::vector<TSystemItem>& shown, const TMenuItem& items, bool ownerDrawn) {
    std::vector<const TMenuItem*> visible;
    for (int i = 0; i < items.Count(); ++i) {
      if (items.Items(i)->Visible()) visible.push_back(items.Items(i));
    }
    ASSERT_EQ(shown.size(), visible.size());
    for (size_t i = 0; i < shown.size(); ++i) {
      SCOPED_TRACE(visible[i]->Caption());
      EXPECT_EQ((shown[i].Type & MFT_OWNERDRAW) != 0, ownerDrawn);
      EXPECT_EQ((shown[i].Type & MFT_SEPARATOR) != 0, visible[i]->IsLine());
      if (!ownerDrawn && !visible[i]->IsLine()) {
        EXPECT_EQ(shown[i].Text, ToWide(visible[i]->Caption()));
      }
    }
  }
};

TEST_F(SkinnedSystemMenu, IsOwnerDrawnWithItsSubmenuExactlyWhileTheSkinPaintsPopups) {
  TsSkinManager& manager = *form->sSkinManager1;
  const struct {
    const char* change;
    std::function<void()> apply;
    bool byKeyboard;
    bool ownerDrawn;
  } steps[] = {
      {"the skin as the program starts", [] {}, false, true},
      {"popups left to the system", [&] { manager.SetSkinnedPopups(false); }, true, false},
      {"popups skinned again", [&] { manager.SetSkinnedPopups(true); }, false, true},
      {"the skin removed and back",
       [&] {
         manager.SetActive(false);
         manager.SetActive(true);
       },
       true, true},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.change);
    step.apply();
    const TShown shown = ShownItems(step.byKeyboard);
    ExpectItems(shown.Top, *SystemMenu()->Items(), step.ownerDrawn);
    ExpectItems(shown.Skins, Skins(), step.ownerDrawn);
    ASSERT_EQ(shown.Skins.size(), 2u) << "the program's skin and the second one";
  }
}

TEST_F(SkinnedSystemMenu, WithoutTheSkinTheSystemShowsItsOwnMenuAndOursIsPlain) {
  TsSkinManager& manager = *form->sSkinManager1;
  manager.SetActive(false);
  // A person gets the system's own menu: none of ours.
  std::vector<TSystemItem> system;
  WithSystemMenu(true, {[&](HWND menu) {
                   EXPECT_EQ(ItemsOfMenu(reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0))), nullptr);
                   system = SystemItems(menu);
                   return true;
                 }});
  EXPECT_FALSE(system.empty());
  // Ours, shown all the same, is the system's plain strings.
  std::vector<TSystemItem> ours;
  WithMenu([this] { SystemMenu()->Popup(200, 200); }, {[&](HWND menu) {
             ours = SystemItems(menu);
             return true;
           }});
  ExpectItems(ours, *SystemMenu()->Items(), false);
}

TEST_F(SkinnedSystemMenu, ASkinChosenInTheSkinnedSubmenuBecomesTheProgramsSkin) {
  TsSkinManager& manager = *form->sSkinManager1;
  ASSERT_EQ(manager.SkinName(), kInternalSkinName);
  std::vector<TMenuStep> steps{ItemsDrawn(*SystemMenu()->Items())};
  for (TMenuStep& step : OpenSkins()) steps.push_back(std::move(step));
  steps.push_back([this](HWND menu) { return ItemsDrawn(Skins())(menu); });
  // The submenu opened with its first skin picked out; the second is below it.
  steps.push_back(Press(VK_DOWN));
  steps.push_back([this](HWND) {
    const TMenuItem* second = Skins().Items(1);
    return std::any_of(drawn.begin(), drawn.end(),
                       [second](const auto& d) { return d.first == second && (d.second & ODS_SELECTED) != 0; });
  });
  steps.push_back(Press(VK_RETURN));
  WithSystemMenu(false, steps, true);
  EXPECT_EQ(manager.SkinName(), kSecondSkin);
  EXPECT_TRUE(manager.SkinData().Active);
}

TEST_F(SkinnedSystemMenu, ScreenshotOfTheSkinsSubmenuWithAHotSkin) {
  const TMenuPicture picture = WithHotSkin(1);
  ASSERT_GT(picture.Width, 0);
  SavePicture(picture, "menu-system-skins-hot.png");
}

TEST_F(SkinnedSystemMenu, TheSkinsSubmenuBreaksIntoColumnsOverTheMenuPicture) {
  for (int i = 1; i <= 24; ++i) form->sSkinManager1->InternalSkins().Add().Name = "Skin " + std::to_string(i);
  TMenuPicture skins;
  RECT lastOfFirst{}, firstOfSecond{};
  const TMenuPicture picture = WithHotSkin(22, [&](HWND) {
    const HWND window = MenuWindowOf(Skins());
    skins = CaptureWindow(window);
    lastOfFirst = ItemRect(window, kSkinsPerColumn - 1);
    firstOfSecond = ItemRect(window, kSkinsPerColumn);
    return true;
  });
  SavePicture(picture, "menu-system-skins-columns.png");
  ASSERT_GT(skins.Width, 0);
  ASSERT_EQ(firstOfSecond.top, lastOfFirst.top - (kSkinsPerColumn - 1) * (lastOfFirst.bottom - lastOfFirst.top))
      << "the second column starts at the top";
  // The menu's gradient runs from top to bottom, so each row of the menu shows one colour: in the
  // gap between the columns too, where the system paints no item (and would leave its own colour).
  const int gap = firstOfSecond.left - 1;
  ASSERT_GT(gap, lastOfFirst.right - 8);
  for (const int y : {firstOfSecond.top + 2, (firstOfSecond.top + lastOfFirst.bottom) / 2, lastOfFirst.bottom - 2}) {
    EXPECT_EQ(skins.At(gap, y), skins.At(lastOfFirst.right - 6, y)) << "row " << y;
  }
}

}  // namespace
}  // namespace sundrel
