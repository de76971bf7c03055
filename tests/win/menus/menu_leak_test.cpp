// Opening and closing the skinned context menu and the skinned system menu many times leaves no
// GDI object and no window behind: menu pictures, item pictures, fonts and device contexts all go,
// and so do the system menu's skins submenus, made anew for every showing.
#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "resource_count.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using MenuLeaks = MainWindowMenu;

TEST_F(MenuLeaks, FiveHundredOpenAndCloseCyclesLeaveTheCountsFlat) {
  // The first opening makes what stays for the program's life (the menu's window class, fonts
  // the system caches).
  WithContextMenu({ItemsDrawn()});
  const TResourceCount before = CountResources();
  for (int i = 0; i < 500 && !HasFailure(); ++i) WithContextMenu({ItemsDrawn()});
  EXPECT_EQ(CountResources(), before);
}

TEST_F(MenuLeaks, AHundredSystemMenusOpenedAsAPersonDoesAndClosedWithEscLeaveTheCountsFlat) {
  const TMenuItem& items = *SystemMenu()->Items();
  const auto cycle = [&](bool byKeyboard) { WithSystemMenu(byKeyboard, {ItemsDrawn(items), Press(VK_ESCAPE)}, true); };
  cycle(false);
  cycle(true);
  const TResourceCount before = CountResources();
  for (int i = 0; i < 100 && !HasFailure(); ++i) cycle(i % 2 == 0);
  EXPECT_EQ(CountResources(), before);
}

}  // namespace
}  // namespace sundrel
