// Owner-drawn and virtual lists: what they ask their events for, and what they paint.
#include <gtest/gtest.h>

#include <set>

#include "list_box_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class OwnerDraw : public PlainList {
 protected:
  // The list's client area as it paints it, through its own drawing of the items.
  TColor PaintedPixel(int x, int y) {
    RECT client;
    GetClientRect(list->Handle(), &client);
    TBitmap picture(client.right, client.bottom);
    FillBitmap(picture, clFuchsia);
    SendMessageW(list->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()),
                 PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    return PixelOf(picture, x, y);
  }

  static TColor System(int index) { return static_cast<TColor>(GetSysColor(index)); }
};

TEST_F(OwnerDraw, VariableItemsTakeTheHeightsThatTheEventGives) {
  list->SetStyle(lbOwnerDrawVariable);
  list->SetItemHeight(20);
  list->OnMeasureItem = [](TWinControl*, int index, int& height) {
    if (index == 1) height = 31;
  };
  Fill(*list, 3);
  const auto heightOf = [&](int index) {
    return static_cast<int>(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, index, 0));
  };
  EXPECT_EQ(heightOf(0), 20);
  EXPECT_EQ(heightOf(1), 31);
  EXPECT_EQ(heightOf(2), 20);
}

TEST_F(OwnerDraw, FixedItemsAreDrawnByTheEventWhenThereIsOne) {
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(18);
  Fill(*list, 200);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 18);
  std::set<int> drawn;
  constexpr TColor kGreen = 0x00FF00;
  list->OnDrawItem = [&](TWinControl* control, int index, const RECT& rect, TOwnerDrawState) {
    drawn.insert(index);
    // Item 1 in green, through the canvas that the list lends its events.
    if (index != 1) return;
    TCanvas& canvas = static_cast<TsListBox*>(control)->Canvas();
    canvas.Brush().SetColor(kGreen);
    canvas.FillRect(rect);
  };
  EXPECT_EQ(PaintedPixel(list->ClientWidth() / 2, 18 + 9), kGreen);
  const int visible = (list->ClientHeight() + 17) / 18;
  EXPECT_EQ(static_cast<int>(drawn.size()), visible);
  EXPECT_EQ(*drawn.begin(), 0);
  EXPECT_EQ(*drawn.rbegin(), visible - 1);
}

TEST_F(OwnerDraw, WithoutTheEventTheItemShowsItsTextAndASelectedOneIsHighlighted) {
  list->SetStyle(lbOwnerDrawFixed);
  Fill(*list, 10);
  list->SetItemIndex(2);
  list->SetFocus();
  const int height = list->ItemHeight();
  // The right end of a row has no text: the item's background.
  const int right = list->ClientWidth() - 3;
  EXPECT_EQ(PaintedPixel(right, 2 * height + height / 2), System(COLOR_HIGHLIGHT));
  EXPECT_EQ(PaintedPixel(right, height / 2), ColorToRGB(list->Color()));
  // Somewhere along the first row's text a pixel differs from the background.
  bool text = false;
  for (int x = 2; x < 40 && !text; ++x) {
    for (int y = 0; y < height && !text; ++y) text = PaintedPixel(x, y) != ColorToRGB(list->Color());
  }
  EXPECT_TRUE(text);
}

TEST_F(OwnerDraw, AVirtualListAsksItsEventsForTextsValuesAndSearches) {
  list->SetStyle(lbVirtual);
  list->OnData = [](TWinControl*, int index, std::string& data) { data = TreeNames(index + 1).back(); };
  list->OnDataObject = [](TWinControl*, int index, intptr_t& value) { value = index * 10; };
  list->OnDataFind = [](TWinControl*, const std::string& text) {
    const std::vector<std::string> names = TreeNames(200);
    for (size_t i = 0; i < names.size(); ++i) {
      if (names[i].rfind(text, 0) == 0) return static_cast<int>(i);
    }
    return -1;
  };
  list->SetCount(200);
  EXPECT_EQ(list->Count(), 200);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 200);
  EXPECT_EQ(list->Items()[102], "beech 102");
  EXPECT_EQ(list->Items().Objects(7), 70);
  EXPECT_EQ(list->Items().IndexOf("elm"), 5);
  EXPECT_EQ(list->Items().Add("refused"), -1);
  EXPECT_EQ(list->Count(), 200);
  TypeInto(*list, L'e');
  EXPECT_EQ(list->ItemIndex(), 5);  // type-ahead searches through the event too
}

TEST_F(OwnerDraw, SwitchingToAVirtualStyleClearsTheItemsAndAssigningSwitchesBack) {
  Fill(*list, 5);
  list->SetSorted(true);
  list->SetStyle(lbVirtualOwnerDraw);
  EXPECT_EQ(list->Count(), 0);
  EXPECT_FALSE(list->Sorted());
  TStringList items;
  items.Add("one");
  items.Add("two");
  list->SetItems(items);
  EXPECT_EQ(list->Style(), lbOwnerDrawFixed);
  EXPECT_EQ(list->Items().ToVector(), (std::vector<std::string>{"one", "two"}));
}

}  // namespace
}  // namespace sundrel
