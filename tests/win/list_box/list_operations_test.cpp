// The list box's items and selection on a real window: the items adapter, the multi-select
// operations, rebuilding the window, the item under a point and the item height of an empty list.
#include <gtest/gtest.h>

#include "list_box_fixture.h"
#include "windows/list_box/list_box_errors.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using ListItems = PlainList;

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& error) {
    return error.Message();
  }
  return "";
}

TEST_F(ListItems, MissingItemsAndRefusedCountsRaiseTheirMessages) {
  Fill(*list, 5);
  TListBoxStrings& items = list->Items();
  EXPECT_EQ(ErrorOf([&] { items.Get(5); }), "List index out of bounds (5)");
  EXPECT_EQ(ErrorOf([&] { items.Get(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorOf([&] { items.Objects(7); }), "List index out of bounds (7)");
  EXPECT_EQ(ErrorOf([&] { list->SetCount(3); }), "Listbox (lst) style must be virtual in order to set Count");
  TsListBox* multi = AddList(true);
  Fill(*multi, 2);
  EXPECT_EQ(ErrorOf([&] { multi->SetSelected(4, true); }), "List index out of bounds (4)");
  EXPECT_EQ(items.Count(), 5);  // the list keeps what it had
}

TEST_F(ListItems, ReplacingExchangingAndMovingKeepValuesAndTheCurrentItem) {
  for (const char* text : {"a", "b", "c", "d"}) list->Items().Add(text);
  TListBoxStrings& items = list->Items();
  for (int i = 0; i < 4; ++i) items.PutObject(i, 100 + i);
  list->SetItemIndex(1);

  items.Put(1, "B");
  EXPECT_EQ(items.ToVector(), (std::vector<std::string>{"a", "B", "c", "d"}));
  EXPECT_EQ(items.Objects(1), 101);
  EXPECT_EQ(list->ItemIndex(), 1);

  items.Exchange(0, 3);
  EXPECT_EQ(items.ToVector(), (std::vector<std::string>{"d", "B", "c", "a"}));
  EXPECT_EQ(items.Objects(0), 103);
  EXPECT_EQ(items.Objects(3), 100);
  EXPECT_EQ(list->ItemIndex(), 1);

  items.Move(0, 2);
  EXPECT_EQ(items.ToVector(), (std::vector<std::string>{"B", "c", "d", "a"}));
  EXPECT_EQ(items.Objects(2), 103);

  items.Insert(1, "x");
  EXPECT_EQ(items.IndexOf("X"), 1);  // exact text, letter case aside
  EXPECT_EQ(items.IndexOf("d"), 3);
  EXPECT_EQ(items.IndexOf("c "), -1);
}

TEST_F(ListItems, AddAnswersWhereTheItemWentInASortedList) {
  list->SetSorted(true);
  EXPECT_EQ(list->Items().Add("m"), 0);
  EXPECT_EQ(list->Items().Add("z"), 1);
  EXPECT_EQ(list->Items().Add("a"), 0);
}

TEST_F(ListItems, SelectingAllThenDeletingTheSelectedEmptiesAMultiSelectList) {
  TsListBox* multi = AddList(true);
  for (const char* text : {"one", "two", "three"}) multi->Items().Add(text);
  for (int i = 0; i < multi->Count(); ++i) multi->SetSelected(i, true);
  EXPECT_EQ(multi->Count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(multi->Selected(i)) << i;
  multi->DeleteSelected();
  EXPECT_EQ(multi->Count(), 0);
  EXPECT_EQ(multi->ItemIndex(), -1);
}

TEST_F(ListItems, DeletingTheSelectedKeepsTheOthersInTheirOrder) {
  TsListBox* multi = AddList(true);
  for (const char* text : {"1", "2", "3", "4", "5"}) multi->Items().Add(text);
  multi->SetSelected(1, true);
  multi->SetSelected(3, true);
  EXPECT_EQ(multi->SelCount(), 2);
  multi->DeleteSelected();
  EXPECT_EQ(multi->Items().ToVector(), (std::vector<std::string>{"1", "3", "5"}));

  multi->SetSelected(0, true);
  multi->ClearSelection();
  EXPECT_EQ(multi->SelCount(), 0);
}

TEST_F(ListItems, InASingleSelectListSelectingMakesTheItemCurrentWhateverWasAsked) {
  Fill(*list, 4);
  list->SetSelected(2, false);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_TRUE(list->Selected(2));
  list->DeleteSelected();
  EXPECT_EQ(list->Items().ToVector(), (std::vector<std::string>{"ash 000", "bay 001", "birch 003"}));
  list->ClearSelection();
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListItems, RebuildingTheWindowKeepsItemsTopItemAndCurrentItem) {
  Fill(*list, 200);
  list->SetTopIndex(50);
  list->SetItemIndex(60);
  const HWND before = list->Handle();
  list->SetSorted(true);  // the names are in order already
  EXPECT_NE(list->Handle(), before);
  EXPECT_EQ(list->Count(), 200);
  EXPECT_EQ(list->Items()[199], "oak 199");
  EXPECT_EQ(list->TopIndex(), 50);
  EXPECT_EQ(list->ItemIndex(), 60);
  EXPECT_NE(GetWindowLongW(list->Handle(), GWL_STYLE) & LBS_SORT, 0);
}

TEST_F(ListItems, TheItemHeightOfAnEmptyListIsTheListsOwn) {
  ASSERT_EQ(list->Count(), 0);
  const int empty = list->ItemHeight();
  EXPECT_GT(empty, 0);
  list->Items().Add("first");
  RECT item{};
  SendMessageW(list->Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(empty, item.bottom - item.top);
}

TEST_F(ListItems, TheItemUnderAPoint) {
  Fill(*list, 3);
  const int height = list->ItemHeight();
  EXPECT_EQ(list->ItemAtPos(POINT{5, height + 1}, true), 1);
  // Below the last item: none, or the place after it.
  EXPECT_EQ(list->ItemAtPos(POINT{5, 3 * height + 2}, true), -1);
  EXPECT_EQ(list->ItemAtPos(POINT{5, 3 * height + 2}, false), 3);
  EXPECT_EQ(list->ItemAtPos(POINT{-3, 2}, false), -1);
}

TEST_F(ListItems, ItemsGivenBeforeTheWindowExistsAppearInIt) {
  auto* later = new TsListBox(form);
  later->Items().Add("kept");
  EXPECT_EQ(later->Items().Count(), 1);
  later->SetParent(form);
  later->HandleNeeded();
  EXPECT_EQ(SendMessageW(later->Handle(), LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(later->Items()[0], "kept");
}

}  // namespace
}  // namespace sundrel
