// Opening and closing the skinned system menu many times leaves no GDI object and no window
// behind: menu pictures, item pictures, fonts and device contexts all go, and so do the system
// menu's skins submenus, made anew for every showing. (The context menu's cycles are checked with
// its window, in the menu window tests.)
#include <gtest/gtest.h>

#include "leak_cycles.h"
#include "menu_fixture.h"
#include "resource_count.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using MenuLeaks = MainWindowMenu;

TEST_F(MenuLeaks, SystemMenusOpenedAsAPersonDoesAndClosedWithEscLeaveTheCountsFlat) {
  const TMenuItem& items = *SystemMenu()->Items();
  const auto cycle = [&](bool byKeyboard) { WithSystemMenu(byKeyboard, {ItemsDrawn(items), Press(VK_ESCAPE)}, true); };
  cycle(false);
  cycle(true);
  const TResourceCount before = CountResources();
  // Each cycle opens the menu both ways, so that a leak of either way shows at any count.
  for (int i = 0; i < LeakCycles() && !HasFailure(); ++i) {
    cycle(false);
    cycle(true);
  }
  EXPECT_EQ(CountResources(), before);
}

}  // namespace
}  // namespace sundrel
