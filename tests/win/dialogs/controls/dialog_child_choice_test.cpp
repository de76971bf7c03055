// Which handler a dialog's child gets by its class, style and size, as a table of cases.
#include <gtest/gtest.h>

#include "windows/dialog_controls/dialog_child_handler.h"

namespace sundrel {
namespace {

using enum TDialogChildKind;

struct ChoiceCase {
  const wchar_t* className;
  LONG style;
  SIZE size;
  TDialogChildKind kind;
  const char* section;
  int dialogMode;
};

constexpr SIZE kUsual{75, 23};

TEST(DialogChildChoice, ClassStyleAndSizePickTheHandler) {
  const ChoiceCase cases[] = {
      {L"Button", BS_PUSHBUTTON, kUsual, Button, "BUTTON", 0},
      {L"BUTTON", BS_DEFPUSHBUTTON, kUsual, Button, "BUTTON", 0},
      {L"button", BS_GROUPBOX, kUsual, GroupBox, "GROUPBOX", 0},
      {L"Button", BS_CHECKBOX, kUsual, CheckBox, "CHECKBOX", 0},
      {L"Button", BS_AUTOCHECKBOX, kUsual, CheckBox, "CHECKBOX", 0},
      {L"Button", BS_3STATE, kUsual, CheckBox, "CHECKBOX", 0},
      {L"Button", BS_AUTO3STATE, kUsual, CheckBox, "CHECKBOX", 0},
      {L"Button", BS_RADIOBUTTON, kUsual, CheckBox, "CHECKBOX", 0},
      {L"Button", BS_AUTORADIOBUTTON, kUsual, CheckBox, "CHECKBOX", 0},
      {L"Button", BS_OWNERDRAW, kUsual, None, "", 0},
      {L"Static", SS_LEFT, kUsual, Static, "CHECKBOX", 0},
      {L"Static", SS_ICON, kUsual, Icon, "CHECKBOX", 0},
      {L"Static", SS_BITMAP, kUsual, None, "", 0},
      {L"Static", SS_OWNERDRAW, kUsual, None, "", 0},
      {L"Static", SS_GRAYRECT, kUsual, None, "", 0},
      {L"Static", SS_WHITERECT, kUsual, None, "", 0},
      {L"Static", SS_LEFT, {152, 49}, Static, "CHECKBOX", 2},
      {L"Static", SS_LEFT, {150, 37}, None, "", 1},
      {L"Static", SS_LEFT, {210, 140}, None, "", 3},
      {L"#32770", WS_CHILD, kUsual, TransPanel, "CHECKBOX", 0},
      {L"ComboBox", CBS_DROPDOWNLIST, kUsual, ComboBox, "COMBOBOX", 0},
      {L"ComboBoxEx32", CBS_DROPDOWN, kUsual, ComboBox, "COMBOBOX", 0},
      {L"ComboLBox", 0, kUsual, ComboList, "COMBOBOX", 0},
      {L"ScrollBar", SBS_SIZEGRIP, kUsual, Sizer, "CHECKBOX", 0},
      {L"SysTabControl32", 0, {470, 349}, LeaveDialogNative, "", 0},
      {L"SysTabControl32", 0, kUsual, None, "", 0},
      {L"SysListView32", 0, kUsual, ListView, "EDIT", 0},
      {L"msctls_updown32", 0, kUsual, Spin, "SPEEDBUTTON_SMALL", 0},
      {L"ListBox", 0, kUsual, Edit, "EDIT", 0},
      {L"Edit", 0, kUsual, Edit, "EDIT", 0},
      {L"Link Window", 0, kUsual, Link, "CHECKBOX", 0},
      {L"ToolbarWindow32", 0x200, kUsual, ToolBar, "BAR", 0},
      {L"ToolbarWindow32", 0, kUsual, ToolBar, "CHECKBOX", 0},
      {L"SysTreeView32", 0, kUsual, TreeView, "EDIT", 0},
      {L"SHBrowseForFolder ShellNameSpace Control", 0, kUsual, TransPanel, "CHECKBOX", 0},
      {L"SysHeader32", 0, kUsual, None, "", 0},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::string(c.className, c.className + wcslen(c.className)) << " style 0x"
                                      << std::hex << c.style);
    const TDialogChildChoice choice = ChooseDialogChildHandler(c.className, c.style, c.size);
    EXPECT_EQ(choice.Kind, c.kind);
    EXPECT_EQ(choice.Section, c.section);
    EXPECT_EQ(choice.DialogMode, c.dialogMode);
    EXPECT_EQ(choice.DropDownList, std::wstring(c.className) == L"ComboLBox");
  }
}

}  // namespace
}  // namespace sundrel
