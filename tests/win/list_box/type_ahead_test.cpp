// Type-ahead: keys typed within the delay build a prefix that finds the first item beginning with
// it; a pause of the delay or longer starts a new prefix.
#include "windows/list_box/type_ahead.h"

#include <gtest/gtest.h>

#include "framework/timer.h"
#include "list_box_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

// The prefix as keys arrive at simulated tick counts.
TEST(TypeAheadPrefix, GrowsWithinTheDelayAndStartsAnewAfterIt) {
  struct Key {
    const wchar_t* typed;
    uint32_t tick;
    const char* prefix;
  };
  const struct {
    const char* name;
    std::vector<Key> keys;
  } cases[] = {
      {"within the delay", {{L"b", 1000, "b"}, {L"e", 1499, "be"}}},
      {"exactly the delay", {{L"b", 1000, "b"}, {L"e", 1500, "e"}}},
      {"backspace", {{L"b", 10, "b"}, {L"e", 20, "be"}, {L"\b", 30, "b"}, {L"\b", 40, ""}, {L"\b", 50, ""}}},
      {"tick count wraps", {{L"a", 0xFFFFFF00u, "a"}, {L"b", 0x00000010u, "ab"}}},
      {"a character beyond the first plane", {{L"x", 5, "x"}, {L"\U0001F333", 6, "x\U0001F333"}, {L"\b", 7, "x"}}},
      {"a Chinese character goes whole", {{L"合", 5, "合"}, {L"并", 6, "合并"}, {L"\b", 7, "合"}}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    TTypeAhead typeAhead;
    for (const Key& key : test.keys) EXPECT_EQ(typeAhead.Type(key.typed, key.tick), key.prefix);
  }
}

using TypeAhead = PlainList;

TEST_F(TypeAhead, TwoLettersWithinTheDelayFindTheFirstItemBeginningWithThem) {
  Fill(*list, 200);
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  TypeInto(*list, L'b');
  EXPECT_EQ(list->ItemIndex(), 1);  // "bay 001"
  TypeInto(*list, L'E');
  EXPECT_EQ(list->ItemIndex(), 2);  // "beech 002"
  TypeInto(*list, L'e');
  TypeInto(*list, L'c');
  TypeInto(*list, L'h');
  TypeInto(*list, L' ');
  TypeInto(*list, L'1');
  EXPECT_EQ(list->ItemIndex(), 102);  // "beech 102"
  EXPECT_EQ(clicks, 7);
}

TEST_F(TypeAhead, APauseOfTheDelayStartsANewPrefix) {
  Fill(*list, 200);
  list->SetAutoCompleteDelay(40);
  TypeInto(*list, L'b');
  ASSERT_EQ(list->ItemIndex(), 1);
  bool paused = false;
  TOwned<TTimer> pause = MakeOwned<TTimer>(nullptr);
  pause->SetInterval(80);
  pause->OnTimer = [&](TObject*) { paused = true; };
  ASSERT_TRUE(PumpUntil([&] { return paused; }));
  pause->SetEnabled(false);
  TypeInto(*list, L'e');
  EXPECT_EQ(list->ItemIndex(), 5);  // "elm 005", not a "be..."
}

TEST_F(TypeAhead, InAMultiSelectListTheFoundItemIsTheOnlySelectedOne) {
  TsListBox* multi = AddList(true);
  Fill(*multi, 200);
  multi->SetSelected(0, true);
  multi->SetSelected(7, true);
  TypeInto(*multi, L'l');
  EXPECT_EQ(multi->ItemIndex(), 8);  // "larch 008"
  EXPECT_EQ(multi->SelCount(), 1);
  EXPECT_TRUE(multi->Selected(8));
}

TEST_F(TypeAhead, KeysThatFindNothingLeaveTheSelectionAndSwitchedOffItIsTheSystemsSearch) {
  Fill(*list, 200);
  list->SetItemIndex(4);
  TypeInto(*list, L'q');
  EXPECT_EQ(list->ItemIndex(), 4);  // nothing begins with "q", and the system's search did not run
  list->SetAutoComplete(false);
  TypeInto(*list, L'e');
  EXPECT_EQ(list->ItemIndex(), 5);  // the system's own first-letter search
  TypeInto(*list, L'e');
  EXPECT_EQ(list->ItemIndex(), 15);
}

}  // namespace
}  // namespace sundrel
