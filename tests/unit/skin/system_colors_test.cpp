#include "skin/model/system_colors.h"

#include <gtest/gtest.h>

namespace sundrel {
namespace {

TEST(SystemColors, ResolvesOnlySystemColourValues) {
  const SystemColors& classic = ClassicSystemColors();
  EXPECT_EQ(ResolveColor(clBtnFace, classic), 0xC8D0D4);
  EXPECT_EQ(ResolveColor(clWindow, classic), 0xFFFFFF);
  EXPECT_EQ(ResolveColor(static_cast<TColor>(0xFF0000C8), classic), 0);  // no such system colour
  EXPECT_EQ(ResolveColor(-1, classic), -1);                              // no colour stays no colour
  EXPECT_EQ(ResolveColor(clFuchsia, classic), clFuchsia);
  EXPECT_EQ(ResolveColor(0x7F00000F, classic), 0x7F00000F);
}

}  // namespace
}  // namespace sundrel
