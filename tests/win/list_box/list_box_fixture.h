// A list box on a shown form, plain (no skin anywhere) or painted with the program's own skin,
// and the 200 tree names that the tests fill it with.
#pragma once

#include <string>
#include <vector>

#include "framework/forms.h"
#include "framework_test_support.h"
#include "tidewater_form.h"
#include "windows/list_box/s_list_box.h"

namespace sundrel::testing {

// "ash 000", "bay 001", "beech 002", ... "oak 009", "ash 010", ...: ten names in turn.
std::vector<std::string> TreeNames(int count);

void Fill(TsBaseListBox& list, int count);

// Types the character into the list as the keyboard would.
void TypeInto(TsBaseListBox& list, wchar_t character);

class PlainList : public FrameworkTest {
 protected:
  void SetUp() override;
  // A list on the form, with its window; several items may be selected when asked.
  TsListBox* AddList(bool multiSelect = false);

  TForm* form = nullptr;
  TsListBox* list = nullptr;
};

// The list stands on a skinned panel, whose picture it shows through where it is see-through.
class SkinnedList : public TidewaterForm {
 protected:
  void SetUp() override;
  // The colour that the screen shows at the point of the list's window (frame included).
  TColor OnScreen(int x, int y);

  TsPanel* panel = nullptr;
  TsListBox* list = nullptr;
};

}  // namespace sundrel::testing
