// What painting the skinned controls leaves behind: fonts, device contexts and brushes are given
// back, and every paint is ended (nothing stays invalid).
#include <gtest/gtest.h>

#include "controls/s_common_data.h"
#include "dialog_controls_fixture.h"
#include "framework_test_support.h"
#include "leak_cycles.h"
#include "resource_count.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"
#include "windows/dialog_controls/ac_combo_box_wnd.h"
#include "windows/dialog_controls/dialog_child_handler.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using ControlPaintLeaks = DialogControlsTest;

struct NativeControl {
  const wchar_t* className;
  const wchar_t* text;
  LONG style;
};

TEST_F(ControlPaintLeaks, PaintsGiveBackWhatTheyTakeAndEndOnEveryPath) {
  const NativeControl controls[] = {
      {L"Button", L"Split", BS_DEFPUSHBUTTON},    {L"Button", L"Keep", BS_AUTOCHECKBOX},
      {L"Button", L"Either", BS_AUTORADIOBUTTON}, {L"Button", L"Parts", BS_GROUPBOX},
      {L"Static", L"Choose a file:", SS_LEFT},    {L"Static", L"", SS_ICON},
  };
  for (const NativeControl& c : controls) {
    SCOPED_TRACE(::testing::Message() << "style 0x" << std::hex << c.style);
    HWND window = CreateWindowExW(0, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, 10, 10, 120, 40,
                                  form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    std::unique_ptr<TacMainWnd> handler = MakeDialogChildHandler(window);
    ASSERT_NE(handler, nullptr);
    // Waiting for the parent (the updating state) is one of the paths that must end its paint.
    for (const bool updating : {false, true}) {
      UpdateWindow(window);
      const TResourceCount before = CountResources();
      for (int i = 0; i < LeakCycles(); ++i) {
        handler->SkinData()->Updating = updating;
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
      }
      EXPECT_EQ(CountResources(), before) << (updating ? "updating" : "painting");
    }
    handler.reset();
    DestroyWindow(window);
  }
}

TEST_F(ControlPaintLeaks, TheListColoursOfAComboBoxComeWithOneBrush) {
  HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10, 120, 200,
                               form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Parts"));
  TacComboBoxWnd handler(combo, "COMBOBOX", manager, nullptr);
  handler.Create(true);
  ASSERT_FALSE(handler.ForDialog);  // only outside a dialog are the list's colours the skin's
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(combo, &info);
  const WindowDC dc(info.hwndList);
  const auto ask = [&] {
    return SendMessageW(combo, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc.get()),
                        reinterpret_cast<LPARAM>(info.hwndList));
  };
  const LRESULT first = ask();
  ASSERT_NE(handler.ListHandler, nullptr);
  ASSERT_NE(first, 0);
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) EXPECT_EQ(ask(), first);
  EXPECT_EQ(CountResources(), before);
  // The list is painted in its section's colour ("EDIT").
  const int edit = manager->GetSkinIndex("EDIT");
  ASSERT_GE(edit, 0);
  EXPECT_EQ(GetBkColor(dc.get()), ColorRefOf(manager->Skin().Sections()[static_cast<size_t>(edit)].Color));
}

}  // namespace
}  // namespace sundrel
