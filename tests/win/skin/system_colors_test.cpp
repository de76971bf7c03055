#include <gtest/gtest.h>
#include <windows.h>

#include "skin/manager/system_colors_win32.h"

namespace sundrel {
namespace {

TEST(SystemColors, TheWindowsSchemeIsTheSystems) {
  EXPECT_EQ(ResolveColor(clBtnFace, WindowsSystemColors()), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(ResolveColor(clWindow, WindowsSystemColors()), static_cast<TColor>(GetSysColor(COLOR_WINDOW)));
}

}  // namespace
}  // namespace sundrel
