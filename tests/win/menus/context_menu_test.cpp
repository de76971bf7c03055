// The merge list's context menu under the program's own skin: owner-drawn from the skin while
// the skin is active, the system's plain strings when it is not, and its commands working
// through the skinned menu.
#include <gtest/gtest.h>

#include "menu_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class ContextMenu : public MainWindowMenu {
 protected:
  // Whether every item of the open menu is owner-drawn, or every one a plain string with its
  // caption (the separator a plain separator).
  void ExpectItems(bool ownerDrawn) {
    std::vector<TSystemItem> items;
    WithContextMenu({[&](HWND menu) {
      items = SystemItems(menu);
      return true;
    }});
    ASSERT_EQ(items.size(), 4u);
    const wchar_t* captions[] = {L"全选", L"", L"删除选中", L"全部删除"};
    for (size_t i = 0; i < items.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ((items[i].Type & MFT_OWNERDRAW) != 0, ownerDrawn);
      EXPECT_EQ((items[i].Type & MFT_SEPARATOR) != 0, i == 1);
      if (!ownerDrawn) {
        EXPECT_EQ(items[i].Text, captions[i]);
      }
    }
  }
};

TEST_F(ContextMenu, IsOwnerDrawnExactlyWhileTheSkinPaintsPopups) {
  TsSkinManager& manager = *form->sSkinManager1;
  const struct {
    const char* change;
    std::function<void()> apply;
    bool ownerDrawn;
  } steps[] = {
      {"the skin as the program starts", [] {}, true},
      {"the skin removed", [&] { manager.SetActive(false); }, false},
      {"the skin back", [&] { manager.SetActive(true); }, true},
      {"popups left to the system", [&] { manager.SetSkinnedPopups(false); }, false},
      {"popups skinned again", [&] { manager.SetSkinnedPopups(true); }, true},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.change);
    step.apply();
    ExpectItems(step.ownerDrawn);
  }
}

TEST_F(ContextMenu, AMenuWithAPainterOfItsOwnKeepsIt) {
  struct TOwnPainter : TMenuPainter {
    void MeasureItem(TMenuItem&, MEASUREITEMSTRUCT& measure) override { measure.itemHeight = measure.itemWidth = 10; }
    void DrawItem(TMenuItem&, const DRAWITEMSTRUCT&) override {}
  } own;
  auto* menu = new TPopupMenu(form);
  menu->SetPainter(&own);
  TsSkinManager& manager = *form->sSkinManager1;
  manager.SetActive(false);
  EXPECT_EQ(menu->Painter(), &own) << "unwiring takes off only the skin's painter";
  manager.SetActive(true);
  EXPECT_EQ(menu->Painter(), &own) << "wiring fills only menus without a painter";
  EXPECT_EQ(form->pm1->Painter(), &Painter());
  menu->SetPainter(nullptr);
}

TEST_F(ContextMenu, SelectAllThenDeleteSelectedEmptiesTheList) {
  // The first press picks out the first item, two more pass over the separator to "删除选中".
  WithContextMenu({ItemsDrawn(), [](HWND menu) {
                     PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
                     PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
                     return true;
                   }});
  EXPECT_EQ(form->slst1->SelCount(), 3);
  WithContextMenu({ItemsDrawn(), [](HWND menu) {
                     for (int i = 0; i < 2; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
                     PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
                     return true;
                   }});
  EXPECT_EQ(form->slst1->Items().Count(), 0);
}

}  // namespace
}  // namespace sundrel
