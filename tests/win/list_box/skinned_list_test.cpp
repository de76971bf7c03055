// The skinned list: colours from its section that win over colours set from outside, the client
// background copied from the section's picture for the state, the system colours once the skin
// goes, and no GDI object or window left behind by filling it again and again.
#include <gtest/gtest.h>

#include "leak_cycles.h"
#include "list_box_fixture.h"
#include "resource_count.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

TEST_F(SkinnedList, TakesTheSectionsColoursWhichWinOverAColourSetFromOutside) {
  const TsGeneralData& edit = Section("EDIT");
  EXPECT_EQ(list->Color(), edit.Color);
  EXPECT_EQ(list->Font().Color(), edit.FontColor[0]);
  list->SetColor(clRed);
  EXPECT_EQ(list->Color(), edit.Color);
  list->SkinData().SetCustomColor(true);
  list->SetColor(clRed);
  EXPECT_EQ(list->Color(), clRed);
}

TEST_F(SkinnedList, WithoutTheSkinItHasTheSystemsWindowColours) {
  manager->SetActive(false);
  EXPECT_EQ(list->Color(), clWindow);
  EXPECT_EQ(list->Font().Color(), clWindowText);
}

TEST_F(SkinnedList, TheClientBackgroundIsTheSectionsPictureForTheState) {
  const TsGeneralData& edit = Section("EDIT");
  ASSERT_NE(ColorToRGB(edit.Color), ColorToRGB(edit.HotColor));
  // An owner-drawn list leaves the client area below its items to the background (the standard
  // one fills it in the list's colour as it paints).
  list->SetStyle(lbOwnerDrawFixed);
  list->Items().Add("one");
  const int x = 150, y = 120;
  EXPECT_EQ(OnScreen(x, y), ColorToRGB(edit.Color));
  list->SetFocus();
  EXPECT_EQ(OnScreen(x, y), ColorToRGB(edit.HotColor));
  panel->SetFocus();
  list->SetEnabled(false);
  const TColor disabled = OnScreen(x, y);
  EXPECT_NE(disabled, ColorToRGB(edit.Color));
  EXPECT_NE(disabled, ColorToRGB(edit.HotColor));
}

TEST_F(SkinnedList, RefillsLeakNothing) {
  auto fill = [&] {
    list->Clear();
    Fill(*list, 50);
    list->SetItemIndex(10);
    RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  };
  fill();
  Settle();
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) fill();
  Settle();
  EXPECT_EQ(CountResources(), before);
}

}  // namespace
}  // namespace sundrel
