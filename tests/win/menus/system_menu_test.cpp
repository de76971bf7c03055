// The skinned system menus, opened as a person opens them (a click on the title icon,
// Alt+Space): the main window's and its "Available skins" submenu, and a message window's, are
// owner-drawn from the skin while the skin paints popups and plain strings when it does not; a
// skin chosen in the skinned submenu becomes the program's skin; the submenu breaks into columns
// over one picture of the menu with the hot skin picked out, and the shortcut of Close stands at
// the item's right.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/utf.h"
#include "framework/menu_handles.h"
#include "framework/message_form.h"
#include "menu_fixture.h"
#include "skin/manager/internal_skin_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/provider/s_skin_provider.h"
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
  // Steps that wait until the system menu has been drawn, open the skins submenu and wait until
  // it has been drawn, with its first skin picked out.
  std::vector<TMenuStep> SkinsDrawn() {
    std::vector<TMenuStep> steps{ItemsDrawn(*SystemMenu()->Items())};
    for (TMenuStep& step : OpenSkins()) steps.push_back(std::move(step));
    steps.push_back([this](HWND menu) { return ItemsDrawn(Skins())(menu); });
    return steps;
  }

  // The types and texts of the system menu's items and of its skins submenu's, as the open
  // menus hold them.
  struct TShown {
    std::vector<TSystemItem> Top, Skins;
  };
  TShown ShownItems(bool byKeyboard) {
    return ShownItems([this, byKeyboard](std::vector<TMenuStep> steps) { WithSystemMenu(byKeyboard, steps); });
  }
  TShown ShownItems(const std::function<void(std::vector<TMenuStep>)>& show) {
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
    show(steps);
    return shown;
  }

  // The open system menu with its skins submenu open and the skin at `hot` picked out: the two
  // menus and the title bar under them as the screen shows them.
  TMenuPicture WithHotSkin(
      int hot, const TMenuStep& inside = [](HWND) { return true; }) {
    TMenuPicture picture;
    std::vector<TMenuStep> steps = SkinsDrawn();
    steps.push_back([hot](HWND menu) {
      for (int i = 0; i < hot; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
      return true;
    });
    steps.push_back(DrawnHot([this, hot] { return Skins().Items(hot); }));
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

TEST_F(SkinnedSystemMenu, AMessageWindowsMenuIsOwnerDrawnToo) {
  TOwned<TMessageForm> message(new TMessageForm(application.get(), "文件分割完毕"));
  message->Show();
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == message->Handle() && ProviderOf(*message) != nullptr; }));
  const TMenuItem& items = *ProviderOf(*message)->SystemMenu()->Items();
  std::vector<TSystemItem> shown;
  WithMenu(PressAltSpace, {ItemsDrawn(items), [&](HWND) {
                             shown = SystemItems(MenuWindowOf(items));
                             return true;
                           }});
  EXPECT_EQ(ProviderOf(*message)->SystemMenu()->SkinItems(), nullptr) << "a message window lists no skins";
  ExpectItems(shown, items, true);
}

TEST_F(SkinnedSystemMenu, WithoutTheSkinTheSystemShowsItsOwnMenuAndOursIsPlain) {
  TsSkinManager& manager = *form->sSkinManager1;
  // Shown skinned once, so that it has its skins submenu.
  ShownItems(false);
  manager.SetActive(false);
  // A person gets the system's own menu: none of ours.
  std::vector<TSystemItem> system;
  WithSystemMenu(true, {[&](HWND menu) {
                   EXPECT_EQ(ItemsOfMenu(reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0))), nullptr);
                   system = SystemItems(menu);
                   return true;
                 }});
  EXPECT_FALSE(system.empty());
  // Ours, shown all the same, is the system's plain strings, its submenu too.
  const TShown ours =
      ShownItems([this](std::vector<TMenuStep> steps) { WithMenu([this] { SystemMenu()->Popup(200, 200); }, steps); });
  ExpectItems(ours.Top, *SystemMenu()->Items(), false);
  ExpectItems(ours.Skins, Skins(), false);
}

TEST_F(SkinnedSystemMenu, ASkinChosenInTheSkinnedSubmenuBecomesTheProgramsSkin) {
  TsSkinManager& manager = *form->sSkinManager1;
  ASSERT_EQ(manager.SkinName(), kInternalSkinName);
  std::vector<TMenuStep> steps = SkinsDrawn();
  // The second skin is below the first.
  steps.push_back(Press(VK_DOWN));
  steps.push_back(DrawnHot([this] { return Skins().Items(1); }));
  steps.push_back(Press(VK_RETURN));
  WithSystemMenu(false, steps, true);
  EXPECT_EQ(manager.SkinName(), kSecondSkin);
  EXPECT_TRUE(manager.SkinData().Active);
}

TEST_F(SkinnedSystemMenu, TheShortcutOfCloseEndsEightPixelsInsideTheItem) {
  TMenuPicture picture;
  RECT close{};
  WithSystemMenu(false, {ItemsDrawn(*SystemMenu()->Items()), [&](HWND) {
                           const HWND window = MenuWindowOf(*SystemMenu()->Items());
                           picture = CaptureWindow(window);
                           close = ItemRect(
                               window,
                               GetMenuItemCount(reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0))) - 1);
                           return true;
                         }});
  ASSERT_GT(picture.Width, 0);
  // The rightmost pixel of text: clearly darker than the menu at the item's right end (the
  // menu's gradient runs from top to bottom, so a row has one colour).
  const auto brightness = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  int inkRight = -1;
  for (int y = close.top; y < close.bottom; ++y) {
    const int menu = brightness(picture.At(close.right - 2, y));
    for (int x = close.left; x < close.right; ++x) {
      if (brightness(picture.At(x, y)) < menu - 0x60) inkRight = std::max(inkRight, x);
    }
  }
  EXPECT_GE(inkRight, close.right - 8 - 3);
  EXPECT_LT(inkRight, close.right - 8);
}

TEST_F(SkinnedSystemMenu, BothMenusKeepTheirSkinnedFramesWhenTheSubmenuClosesAndOpensAgain) {
  TMenuPicture top[2], skins[2];
  const auto capture = [this](TMenuPicture& picture, bool ofSkins) {
    return [this, &picture, ofSkins](HWND) {
      picture = CaptureWindow(MenuWindowOf(ofSkins ? Skins() : *SystemMenu()->Items()));
      return true;
    };
  };
  const TMenuStep pause = [](HWND) { return true; };
  std::vector<TMenuStep> steps{ItemsDrawn(*SystemMenu()->Items()), capture(top[0], false)};
  for (int shown = 0; shown < 2; ++shown) {
    // The second time "Available skins" is still picked out: the arrow key alone opens it.
    std::vector<TMenuStep> open = OpenSkins();
    if (shown == 1) open.erase(open.begin());
    for (TMenuStep& step : open) steps.push_back(std::move(step));
    steps.push_back([this](HWND menu) { return ItemsDrawn(Skins())(menu); });
    // The picture reaches the screen before anyone looks.
    steps.insert(steps.end(), {pause, capture(skins[shown], true), Press(VK_LEFT)});
    steps.push_back([this](HWND) { return MenuWindowOf(Skins()) == nullptr; });
    steps.insert(steps.end(), {pause, capture(top[1], false)});
  }
  WithSystemMenu(true, steps);
  // The frames (three pixels wide) are as they were, also where the submenu covered the menu.
  for (const auto& [pictures, what] : {std::pair{top, "the system menu"}, std::pair{skins, "the skins submenu"}}) {
    SCOPED_TRACE(what);
    const TMenuPicture &first = pictures[0], &again = pictures[1];
    ASSERT_EQ(again.Width, first.Width);
    ASSERT_EQ(again.Height, first.Height);
    for (int y = 0; y < first.Height; ++y) {
      for (int x : {0, 1, 2, first.Width - 3, first.Width - 2, first.Width - 1}) {
        ASSERT_EQ(again.At(x, y), first.At(x, y)) << x << ", " << y;
      }
    }
  }
}

TEST_F(SkinnedSystemMenu, TheSkinsSubmenuBreaksIntoColumnsOverTheMenuPicture) {
  for (int i = 1; i <= 24; ++i) form->sSkinManager1->InternalSkins().Add().Name = "Skin " + std::to_string(i);
  constexpr int kHot = 22;
  TMenuPicture skins;
  RECT lastOfFirst{}, firstOfSecond{}, hot{}, besideHot{};
  const TMenuPicture picture = WithHotSkin(kHot, [&](HWND) {
    const HWND window = MenuWindowOf(Skins());
    skins = CaptureWindow(window);
    lastOfFirst = ItemRect(window, kSkinsPerColumn - 1);
    firstOfSecond = ItemRect(window, kSkinsPerColumn);
    hot = ItemRect(window, kHot);
    besideHot = ItemRect(window, kHot - kSkinsPerColumn);
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
  // The hot skin is picked out on the screen: beside it, on the same row of the gradient, a skin
  // that is not hot shows the menu's colour where the hot one shows its own.
  ASSERT_EQ(hot.top, besideHot.top);
  const int row = (hot.top + hot.bottom) / 2;
  EXPECT_NE(skins.At(hot.right - 6, row), skins.At(besideHot.right - 6, row));
}

}  // namespace
}  // namespace sundrel
