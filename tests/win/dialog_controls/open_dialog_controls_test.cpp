// The open dialog with its controls skinned: the handler each control gets and its answer to the
// skinned probe, choosing a file through the skinned name box and OK, the file-type list dropped
// down, and the pixels of the skinned OK button against the "BUTTON" section.
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "base/utf.h"
#include "controls/section_paint_win32.h"
#include "controls/skin_utilities.h"
#include "dialog_controls_fixture.h"
#include "framework_test_support.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/dialog_controls/ac_btn_wnd.h"
#include "windows/dialog_controls/ac_combo_box_wnd.h"
#include "windows/dialog_controls/ac_list_view_wnd.h"
#include "windows/dialog_controls/ac_tool_bar_wnd.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr int kFileTypeComboId = 0x470;

using OpenDialogControls = DialogControlsTest;

bool AnswersSkinned(HWND window) {
  return SendSkinCommand(window, SMC_IS_SKINNED) == 1;
}

TEST_F(OpenDialogControls, ButtonEditCombosAndFileListCarryTheirHandlers) {
  TOpenDialog dialog(form);
  dialog.SetFileName(InFolder("movie.vexl1"));
  RunSkinned(dialog, [&](HWND window) {
    PumpUntil([&] { return FindDescendant(window, L"SysListView32") != nullptr; });
    SkinChildren(window);  // the file list may come after the first walk; handled ones are passed over
    HWND ok = GetDlgItem(window, IDOK);
    EXPECT_NE(dynamic_cast<TacBtnWnd*>(TacMainWnd::Find(ok)), nullptr);
    EXPECT_NE(dynamic_cast<TacEditWnd*>(TacMainWnd::Find(NameBox(window))), nullptr);
    EXPECT_NE(dynamic_cast<TacComboBoxWnd*>(TacMainWnd::Find(GetDlgItem(window, kFileTypeComboId))), nullptr);
    HWND toolbar = FindDescendant(window, L"ToolbarWindow32");
    ASSERT_NE(toolbar, nullptr);
    EXPECT_NE(dynamic_cast<TacToolBarWnd*>(TacMainWnd::Find(toolbar)), nullptr);
    HWND list = FindDescendant(window, L"SysListView32");
    ASSERT_NE(list, nullptr);
    EXPECT_NE(dynamic_cast<TacListViewWnd*>(TacMainWnd::Find(list)), nullptr);
    for (HWND control : {ok, NameBox(window), GetDlgItem(window, kFileTypeComboId), list}) {
      SCOPED_TRACE(ClassNameOf(control));
      EXPECT_TRUE(AnswersSkinned(control));
      EXPECT_TRUE(TacMainWnd::Find(control)->ForDialog);
    }
    // Every combo box of the dialog, the look-in box and the name box's inner one too.
    for (HWND combo = FindWindowExW(window, nullptr, L"ComboBox", nullptr); combo != nullptr;
         combo = FindWindowExW(window, combo, L"ComboBox", nullptr)) {
      EXPECT_TRUE(AnswersSkinned(combo));
    }
    SaveWindow(window, "open-dialog-skinned-controls.png");
    PostMessageW(GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0);
  });
}

TEST_F(OpenDialogControls, APathTypedIntoTheSkinnedNameBoxComesBackOnOk) {
  TOpenDialog dialog(form);
  dialog.SetFileName(InFolder("movie.vexl1"));
  const std::string typed = InFolder("movie.vexl3");
  ASSERT_TRUE(RunSkinned(dialog, [&](HWND window) {
    HWND name = NameBox(window);
    ASSERT_TRUE(AnswersSkinned(name));
    SetWindowTextW(name, ToWide(typed).c_str());
    PostMessageW(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
  }));
  EXPECT_EQ(dialog.FileName(), typed);
}

TEST_F(OpenDialogControls, TheFileTypeListIsSkinnedWhenItDropsDown) {
  TOpenDialog dialog(form);
  dialog.SetFilter("Parts|*.vexl1|All files|*.*");
  RunSkinned(dialog, [&](HWND window) {
    HWND types = GetDlgItem(window, kFileTypeComboId);
    auto* handler = dynamic_cast<TacComboBoxWnd*>(TacMainWnd::Find(types));
    ASSERT_NE(handler, nullptr);
    RECT dialogRect{};
    GetWindowRect(window, &dialogRect);
    // A list dropped while the dialog's window is still coming up lands below it on the X server.
    SettledCapture(dialogRect);
    SendMessageW(types, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(types, &info);
    EXPECT_TRUE(PumpUntil([&] { return handler->ListHandler != nullptr; }));
    EXPECT_EQ(handler->ListWindow, info.hwndList);
    EXPECT_TRUE(AnswersSkinned(info.hwndList));
    EXPECT_EQ(TacMainWnd::Find(info.hwndList), handler->ListHandler.get());
    // The dropped list lies outside the dialog where the dialog is short: the picture takes both.
    RECT listRect{}, both{};
    GetWindowRect(info.hwndList, &listRect);
    UnionRect(&both, &dialogRect, &listRect);
    if (!ScreenshotFolder().empty()) SaveScreenshot(SettledCapture(both), "open-dialog-file-types-dropped.png");
    SendMessageW(types, CB_SHOWDROPDOWN, FALSE, 0);
    PostMessageW(GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0);
  });
}

// The OK button printed by its handler shows the "BUTTON" section in its state, and not the
// system's button face, wherever the caption is not.
TEST_F(OpenDialogControls, TheOkButtonShowsTheButtonSection) {
  TOpenDialog dialog(form);
  RunSkinned(dialog, [&](HWND window) {
    HWND ok = GetDlgItem(window, IDOK);
    SetFocus(NameBox(window));
    auto* handler = dynamic_cast<TacBtnWnd*>(TacMainWnd::Find(ok));
    ASSERT_NE(handler, nullptr);
    // The dialog's default button looks hot while nothing else is hovered or focused.
    EXPECT_EQ(handler->CurrentState(), 1);
    RECT r{};
    GetWindowRect(ok, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    TBitmap printed, expected;
    for (TBitmap* bitmap : {&printed, &expected}) {
      bitmap->SetPixelFormat(TPixelFormat::pf24bit);
      bitmap->SetSize(width, height);
    }
    SendMessageW(ok, WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()), PRF_CLIENT);
    PaintSectionToDC(manager, manager->GetSkinIndex("BUTTON"), "BUTTON", TacParentImage{}, expected.Canvas().Handle(),
                     TPoint{0, 0}, TRect{0, 0, width, height}, 1, true);
    const POINT away[] = {{width / 2, 1}, {width / 2, height - 2}, {3, height / 2}, {width - 4, height / 2}};
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int differsFromFace = 0;
    for (const POINT p : away) {
      SCOPED_TRACE(::testing::Message() << p.x << "," << p.y);
      const COLORREF pixel = GetPixel(printed.Canvas().Handle(), p.x, p.y);
      EXPECT_EQ(pixel, GetPixel(expected.Canvas().Handle(), p.x, p.y));
      if (pixel != face) ++differsFromFace;
    }
    EXPECT_GT(differsFromFace, 0);
    PostMessageW(GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0);
  });
}

}  // namespace
}  // namespace sundrel
