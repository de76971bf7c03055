// The main window's merge list is the skinned list box: its context menu's commands work through
// it, and the merge page with a list long enough to scroll is saved for people to look at.
#include <gtest/gtest.h>

#include "merge_list_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class MergeListMenu : public MergeList {
 protected:
  // Opens the list's context menu as a right click does and chooses the item `downPresses` down.
  void ChooseFromContextMenu(int downPresses) {
    WindowWatch watch([] { return FindThreadWindow(L"#32768"); },
                      [downPresses](HWND menu) {
                        for (int i = 0; i < downPresses; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
                        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
                      });
    const POINT at = list->ClientToScreen(POINT{20, 8});
    SendMessageW(list->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list->Handle()), MAKELPARAM(at.x, at.y));
    EXPECT_TRUE(watch.Seen());
  }
};

TEST_F(MergeListMenu, SelectAllThenDeleteTheSelectedFromTheContextMenuEmptiesTheList) {
  ASSERT_TRUE(form->sSkinManager1->SkinData().Active);
  ChooseFromContextMenu(1);  // "全选"
  EXPECT_EQ(list->SelCount(), 200);
  ChooseFromContextMenu(2);  // "删除选中", below the separator
  EXPECT_EQ(list->Count(), 0);
}

TEST_F(MergeList, TheMergePageWithAListLongEnoughToScroll) {
  list->SetTopIndex(40);
  for (int i = 42; i < 46; ++i) list->SetSelected(i, true);
  std::unique_ptr<TBitmap> page = TidewaterForm::Screen(form->Handle());
  TidewaterForm::SaveScreenshot(*page, "merge-list.png");
  SCROLLINFO bar{};
  bar.cbSize = sizeof bar;
  bar.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(list->Handle(), SB_VERT, &bar));
  EXPECT_EQ(bar.nPos, 40);
  EXPECT_GT(bar.nMax, static_cast<int>(bar.nPage));
}

}  // namespace
}  // namespace sundrel
