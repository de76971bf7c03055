#include "list_box_fixture.h"

#include <cstdio>

namespace sundrel::testing {

std::vector<std::string> TreeNames(int count) {
  static const char* const kTrees[] = {"ash", "bay", "beech", "birch", "cedar", "elm", "fir", "hazel", "larch", "oak"};
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    char number[8];
    std::snprintf(number, sizeof number, " %03d", i);
    names.push_back(std::string(kTrees[i % 10]) + number);
  }
  return names;
}

void Fill(TsBaseListBox& list, int count) {
  for (const std::string& name : TreeNames(count)) list.Items().Add(name);
}

void TypeInto(TsBaseListBox& list, wchar_t character) {
  SendMessageW(list.Handle(), WM_CHAR, character, 1);
}

void PlainList::SetUp() {
  FrameworkTest::SetUp();
  form = application->CreateForm<TForm>();
  form->SetBounds(0, 0, 320, 260);
  form->Show();
  list = AddList();
}

TsListBox* PlainList::AddList(bool multiSelect) {
  auto* added = new TsListBox(form);
  added->SetName("lst");
  added->SetBounds(10, 10, 200, 150);
  added->SetMultiSelect(multiSelect);
  added->SetParent(form);
  added->HandleNeeded();
  return added;
}

void SkinnedList::SetUp() {
  TidewaterForm::SetUp();
  panel = AddPanel(0, 0, 400, 260);
  list = new TsListBox(form);
  list->SetBounds(10, 10, 200, 150);
  list->SetParent(panel);
  list->HandleNeeded();
  Settle();
}

TColor SkinnedList::OnScreen(int x, int y) {
  return PixelOf(*Screen(list->Handle()), x, y);
}

}  // namespace sundrel::testing
