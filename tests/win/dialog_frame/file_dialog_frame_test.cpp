// The open and save dialogs are skinned as they open, down to their controls: the frame, OK, the
// name box, the combo boxes and the file list carry handlers; a path typed into the skinned name
// box comes back; the file-type list is skinned when it drops down; the toolbar switches the file
// list's view; the overwrite prompt that the save dialog raises stays native.
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "base/utf.h"
#include "dialog_frame_fixture.h"
#include "windows/dialog_controls/ac_btn_wnd.h"
#include "windows/dialog_controls/ac_combo_box_wnd.h"
#include "windows/dialog_controls/ac_list_view_wnd.h"
#include "windows/dialog_controls/ac_tool_bar_wnd.h"
#include "windows/dialog_frame/ac_dialog_wnd.h"
#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr int kFileTypeComboId = 0x470;

using FileDialogFrame = DialogFrameTest;

HWND FileList(HWND dialog) {
  HWND list = nullptr;
  PumpUntil([&] { return (list = FindDescendant(dialog, L"SysListView32")) != nullptr && AnswersSkinned(list); });
  return list;
}

void Cancel(HWND dialog) {
  PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
}

TEST_F(FileDialogFrame, TheOpenDialogsControlsCarryTheirHandlers) {
  TOpenDialog dialog(owner);
  RunSkinned(dialog, [&](HWND window) {
    TacDialogWnd* frame = DialogFrameOf(window);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->CaptionButtons().size(), 1u) << "no minimize or maximize box: the close button only";
    HWND list = FileList(window);
    ASSERT_NE(list, nullptr) << "the file list comes after the dialog and is skinned too";
    EXPECT_NE(dynamic_cast<TacListViewWnd*>(TacMainWnd::Find(list)), nullptr);
    EXPECT_NE(dynamic_cast<TacBtnWnd*>(TacMainWnd::Find(GetDlgItem(window, IDOK))), nullptr);
    EXPECT_NE(dynamic_cast<TacEditWnd*>(TacMainWnd::Find(NameBox(window))), nullptr);
    EXPECT_NE(dynamic_cast<TacComboBoxWnd*>(TacMainWnd::Find(GetDlgItem(window, kFileTypeComboId))), nullptr);
    for (HWND combo = FindWindowExW(window, nullptr, L"ComboBox", nullptr); combo != nullptr;
         combo = FindWindowExW(window, combo, L"ComboBox", nullptr)) {
      EXPECT_TRUE(AnswersSkinned(combo));
    }
    for (HWND control : {GetDlgItem(window, IDOK), NameBox(window), list}) {
      SCOPED_TRACE(ClassNameOf(control));
      EXPECT_TRUE(TacMainWnd::Find(control)->ForDialog);
    }
    SaveScreenshot(SettledCapture(window), "open-dialog-skinned.png");
    // A hot button: the mouse over Cancel.
    RECT cancel{};
    GetWindowRect(GetDlgItem(window, IDCANCEL), &cancel);
    SetCursorPos((cancel.left + cancel.right) / 2, (cancel.top + cancel.bottom) / 2);
    PostMessageW(GetDlgItem(window, IDCANCEL), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SaveScreenshot(SettledCapture(window), "open-dialog-hot-cancel.png");
    SetCursorPos(0, 0);
    Cancel(window);
  });
}

TEST_F(FileDialogFrame, APathTypedIntoTheSkinnedNameBoxComesBackOnOk) {
  TOpenDialog dialog(owner);
  const std::string typed = InFolder("movie.vexl3");
  ASSERT_TRUE(RunSkinned(dialog, [&](HWND window) {
    HWND name = NameBox(window);
    ASSERT_TRUE(AnswersSkinned(name));
    SetWindowTextW(name, ToWide(typed).c_str());
    PostMessageW(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
  }));
  EXPECT_EQ(dialog.FileName(), typed);
}

TEST_F(FileDialogFrame, TheFileTypeListIsSkinnedWhenItDropsDown) {
  TOpenDialog dialog(owner);
  dialog.SetFilter("Parts|*.vexl1|All files|*.*");
  RunSkinned(dialog, [&](HWND window) {
    HWND types = GetDlgItem(window, kFileTypeComboId);
    auto* handler = dynamic_cast<TacComboBoxWnd*>(TacMainWnd::Find(types));
    ASSERT_NE(handler, nullptr);
    SendMessageW(types, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(types, &info);
    EXPECT_TRUE(PumpUntil([&] { return AnswersSkinned(info.hwndList); }));
    SaveScreenshot(SettledCapture(window), "open-dialog-frame-file-types-dropped.png");
    SendMessageW(types, CB_SHOWDROPDOWN, FALSE, 0);
    Cancel(window);
  });
}

// The toolbar's view buttons switch the file list between its list and its details, through
// the skinned toolbar.
TEST_F(FileDialogFrame, TheToolbarSwitchesTheFileListsView) {
  TOpenDialog dialog(owner);
  RunSkinned(dialog, [&](HWND window) {
    HWND list = FileList(window);
    HWND toolbar = FindDescendant(window, L"ToolbarWindow32");
    ASSERT_NE(toolbar, nullptr);
    ASSERT_NE(dynamic_cast<TacToolBarWnd*>(TacMainWnd::Find(toolbar)), nullptr);
    const auto view = [&] { return GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK; };
    const LONG before = view();
    const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    bool switched = false;
    for (int i = count - 1; i >= 0 && !switched; --i) {
      RECT r{};
      SendMessageW(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
      const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      PostMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageW(toolbar, WM_LBUTTONUP, 0, at);
      switched = PumpUntil([&] { return view() != before; }, 1000);
    }
    EXPECT_TRUE(switched) << "a view button of the toolbar changes the file list's view";
    SaveScreenshot(SettledCapture(window), "open-dialog-details-view.png");
    Cancel(window);
  });
}

TEST_F(FileDialogFrame, TheSaveDialogsOverwritePromptStaysNative) {
  TSaveDialog dialog(owner);
  dialog.SetOptions(dialog.Options() | ofOverwritePrompt);
  dialog.SetFileName(InFolder("movie.vexl2"));
  const bool chosen = RunSkinned(dialog, [&](HWND window) {
    FileList(window);
    SaveScreenshot(SettledCapture(window), "save-dialog-skinned.png");
    // The prompt runs a loop of its own: a watch of its own answers it from there.
    const auto otherDialog = [window]() -> HWND {
      for (HWND found : ThreadDialogs()) {
        if (found != window) return found;
      }
      return nullptr;
    };
    WindowWatch prompt(otherDialog, [&](HWND box) {
      PumpUntil([] { return false; }, 200);
      EXPECT_FALSE(AnswersSkinned(box));
      EXPECT_NE(GetWindowLongW(box, GWL_STYLE) & WS_SYSMENU, 0) << "the system's frame";
      EXPECT_TRUE(AnswersSkinned(window)) << "while the save dialog stays skinned";
      PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
    });
    PostMessageW(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return prompt.Seen() && otherDialog() == nullptr; }))
        << "the save dialog asks before replacing the file";
    Cancel(window);
  });
  EXPECT_FALSE(chosen);
}

}  // namespace
}  // namespace sundrel
