// Opening and closing the skinned context menu many times leaves no GDI object and no window
// behind: menu pictures, item pictures, fonts and device contexts all go.
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

}  // namespace
}  // namespace sundrel
