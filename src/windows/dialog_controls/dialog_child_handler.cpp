#include "windows/dialog_controls/dialog_child_handler.h"

#include <algorithm>
#include <cwctype>
#include <utility>

#include "controls/skin_utilities.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/dialog_controls/ac_btn_wnd.h"
#include "windows/dialog_controls/ac_check_box_wnd.h"
#include "windows/dialog_controls/ac_combo_box_wnd.h"
#include "windows/dialog_controls/ac_combo_list_wnd.h"
#include "windows/dialog_controls/ac_group_box_wnd.h"
#include "windows/dialog_controls/ac_list_view_wnd.h"
#include "windows/dialog_controls/ac_panel_wnds.h"
#include "windows/dialog_controls/ac_spin_wnd.h"
#include "windows/dialog_controls/ac_static_wnd.h"
#include "windows/dialog_controls/ac_tool_bar_wnd.h"
#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {

namespace {

using enum TDialogChildKind;

bool SizeIs(SIZE size, int width, int height) {
  return size.cx == width && size.cy == height;
}

TDialogChildChoice StaticChoice(LONG style, SIZE size) {
  if (SizeIs(size, 152, 49)) return {Static, "CHECKBOX", 2};
  if (SizeIs(size, 150, 37)) return {None, "", 1};
  for (const SIZE special : {SIZE{192, 189}, SIZE{210, 140}, SIZE{12, 189}, SIZE{210, 46}, SIZE{60, 42}}) {
    if (SizeIs(size, special.cx, special.cy)) return {None, "", 3};
  }
  if ((style & 3) == 3) return {Icon, "CHECKBOX"};
  // Pictures and owner-drawn statics, and the frames and rectangles, draw themselves.
  if ((style & 0xE) == 0xE || (style & 0xD) == 0xD) return {};
  if (const LONG kind = style & 0x1F; kind == 5 || kind == 6 || kind == 11) return {};
  return {Static, "CHECKBOX"};
}

TDialogChildChoice ButtonChoice(LONG style) {
  if ((style & 7) == 7) return {GroupBox, "GROUPBOX"};
  // An owner-drawn button paints itself.
  if ((style & BS_TYPEMASK) == BS_OWNERDRAW) return {};
  if ((style & 3) == 3 || (style & 2) != 0 || (style & 5) == 5) return {CheckBox, "CHECKBOX"};
  if ((style & 9) == 9 || (style & 4) != 0) return {CheckBox, "CHECKBOX"};
  return {Button, "BUTTON"};
}

}  // namespace

TDialogChildChoice ChooseDialogChildHandler(const std::wstring& className, LONG style, SIZE size) {
  std::wstring name = className;
  std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return std::towlower(c); });
  if (name == L"static") return StaticChoice(style, size);
  if (name == L"#32770") return {TransPanel, "CHECKBOX"};
  if (name == L"button") return ButtonChoice(style);
  if (name == L"combobox" || name == L"comboboxex32") return {ComboBox, "COMBOBOX"};
  if (name == L"combolbox") return {ComboList, "COMBOBOX", 0, true};
  if (name == L"scrollbar") return {Sizer, "CHECKBOX"};
  if (name == L"systabcontrol32")
    return SizeIs(size, 470, 349) ? TDialogChildChoice{LeaveDialogNative, ""} : TDialogChildChoice{};
  if (name == L"syslistview32") return {ListView, "EDIT"};
  if (name == L"msctls_updown32") return {Spin, "SPEEDBUTTON_SMALL"};
  if (name == L"listbox" || name == L"edit") return {Edit, "EDIT"};
  if (name == L"link window") return {Link, "CHECKBOX"};
  if (name == L"toolbarwindow32") return {ToolBar, (style & 0x200) != 0 ? "BAR" : "CHECKBOX"};
  if (name == L"systreeview32") return {TreeView, "EDIT"};
  if (name.find(L"shbrowseforfolder") != std::wstring::npos) return {TransPanel, "CHECKBOX"};
  return {};
}

TDialogChildChoice ChooseDialogChildHandler(HWND child) {
  wchar_t className[128] = {};
  GetClassNameW(child, className, 128);
  RECT r{};
  GetWindowRect(child, &r);
  return ChooseDialogChildHandler(className, GetWindowLongW(child, GWL_STYLE),
                                  SIZE{r.right - r.left, r.bottom - r.top});
}

namespace {

std::unique_ptr<TacMainWnd> NewHandler(HWND child, const TDialogChildChoice& choice) {
  TsSkinManager* manager = DefaultManager();
  const std::string& section = choice.Section;
  switch (choice.Kind) {
    case Static: {
      auto text = std::make_unique<TacStaticWnd>(child, section, manager, nullptr);
      text->KeepsNativePicture = choice.DialogMode == 2;
      return text;
    }
    case Icon:
      return std::make_unique<TacIconWnd>(child, section, manager, nullptr);
    case Link:
      return std::make_unique<TacLinkWnd>(child, section, manager, nullptr);
    case GroupBox:
      return std::make_unique<TacGroupBoxWnd>(child, section, manager, nullptr);
    case CheckBox:
      return std::make_unique<TacCheckBoxWnd>(child, section, manager, nullptr);
    case Button:
      return std::make_unique<TacBtnWnd>(child, section, manager, nullptr);
    case ComboBox:
      return std::make_unique<TacComboBoxWnd>(child, section, manager, nullptr);
    case ComboList: {
      // Only a simple combo box's list is a child of the dialog's tree; a dropped list is a
      // window of its own that its combo box skins when it first shows.
      auto list = std::make_unique<TacComboListWnd>(child, section, manager, nullptr);
      list->SimpleCombo = (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) != 0;
      return list;
    }
    case Edit:
      return std::make_unique<TacEditWnd>(child, section, manager, nullptr);
    case ListView:
      return std::make_unique<TacListViewWnd>(child, section, manager, nullptr);
    case TreeView:
      return std::make_unique<TacTreeViewWnd>(child, section, manager, nullptr);
    case TransPanel:
      return std::make_unique<TacTransPanelWnd>(child, section, manager, nullptr);
    case Sizer:
      return std::make_unique<TacSizerWnd>(child, section, manager, nullptr);
    case ToolBar:
      return std::make_unique<TacToolBarWnd>(child, section, manager, nullptr);
    case Spin: {
      auto spin = std::make_unique<TacSpinWnd>(child, section, manager, nullptr);
      spin->LeftOffset = 2;
      return spin;
    }
    case None:
    case LeaveDialogNative:
      break;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<TacMainWnd> MakeDialogChildHandler(HWND child, const TDialogChildChoice& choice) {
  if (child == nullptr || SendSkinCommand(child, SMC_IS_SKINNED) == 1) return nullptr;
  const bool wasCreating = std::exchange(CreatingDialogChildren(), true);
  std::unique_ptr<TacMainWnd> handler = NewHandler(child, choice);
  if (handler != nullptr) {
    handler->Create(true);
    handler->UpdateGeometry();
  }
  CreatingDialogChildren() = wasCreating;
  return handler;
}

std::unique_ptr<TacMainWnd> MakeDialogChildHandler(HWND child) {
  return MakeDialogChildHandler(child, ChooseDialogChildHandler(child));
}

}  // namespace sundrel
