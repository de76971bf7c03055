// The open and save dialogs are skinned as they open, down to their controls: the frame, OK, the
// name box, the combo boxes, the toolbar and the file list carry handlers; OK shows the skin's
// button; a path typed into the skinned name box comes back; the file-type list is skinned when it
// drops down; the toolbar switches the file list's view; the overwrite prompt that the save dialog
// raises stays native. Both dialogs are pictured as a person sees them.
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "base/utf.h"
#include "controls/section_paint_win32.h"
#include "controls/skin_utilities.h"
#include "dialog_frame_fixture.h"
#include "paint/dib_pixels_win32.h"
#include "screen_capture.h"
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
    EXPECT_NE(dynamic_cast<TacToolBarWnd*>(TacMainWnd::Find(FindDescendant(window, L"ToolbarWindow32"))), nullptr);
    // Every combo box of the dialog, the look-in box and the name box's inner one too.
    for (HWND combo = FindWindowExW(window, nullptr, L"ComboBox", nullptr); combo != nullptr;
         combo = FindWindowExW(window, combo, L"ComboBox", nullptr)) {
      EXPECT_TRUE(AnswersSkinned(combo));
    }
    for (HWND control : {GetDlgItem(window, IDOK), NameBox(window), list}) {
      SCOPED_TRACE(ClassNameOf(control));
      EXPECT_TRUE(TacMainWnd::Find(control)->ForDialog);
    }
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
    EXPECT_EQ(handler->ListWindow, info.hwndList);
    EXPECT_EQ(TacMainWnd::Find(info.hwndList), handler->ListHandler.get());
    SendMessageW(types, CB_SHOWDROPDOWN, FALSE, 0);
    Cancel(window);
  });
}

// The toolbar's last button (the details view) switches the file list to its report view through
// the skinned toolbar; the dialog stays in its folder. The places bar is a toolbar too, so the
// view toolbar is told apart by the places bar's own number.
TEST_F(FileDialogFrame, TheToolbarSwitchesTheFileListToDetails) {
  constexpr int kPlacesBarId = 0x4A0;
  TOpenDialog dialog(owner);
  RunSkinned(dialog, [&](HWND window) {
    HWND toolbar = nullptr;
    for (HWND found = FindWindowExW(window, nullptr, L"ToolbarWindow32", nullptr); found != nullptr;
         found = FindWindowExW(window, found, L"ToolbarWindow32", nullptr)) {
      if (GetDlgCtrlID(found) != kPlacesBarId) toolbar = found;
    }
    ASSERT_NE(toolbar, nullptr);
    ASSERT_NE(dynamic_cast<TacToolBarWnd*>(TacMainWnd::Find(toolbar)), nullptr);
    HWND list = FileList(window);
    ASSERT_NE(GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    RECT r{};
    SendMessageW(toolbar, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(toolbar, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(PumpUntil([&] {
      list = FindDescendant(window, L"SysListView32");
      return list != nullptr && (GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
    })) << "the file list shows its details";
    EXPECT_TRUE(PumpUntil([&] { return AnswersSkinned(list); }));
    EXPECT_GE(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3) << "still the folder of the three parts";
    // Wine's list view leaves its rows where the list view put them, under the new header, until
    // something repaints it (unskinned too): the picture is taken after a repaint.
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
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

// The OK button printed by its handler shows the "BUTTON" section in its state, over the skinned
// dialog behind it (the section is half transparent), and not the system's button face.
TEST_F(FileDialogFrame, TheOkButtonShowsTheButtonSection) {
  TOpenDialog dialog(owner);
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
    TBitmap printed, expected, behind;
    for (TBitmap* bitmap : {&printed, &expected, &behind}) {
      bitmap->SetPixelFormat(TPixelFormat::pf24bit);
      bitmap->SetSize(width, height);
    }
    // What the dialog shows where the button stands, with the button out of the way.
    ShowWindow(ok, SW_HIDE);
    const TScreenShot background = SettledCapture(r);
    ShowWindow(ok, SW_SHOW);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) SetPixel(behind.Canvas().Handle(), x, y, background.At(r.left + x, r.top + y));
    }
    GdiFlush();
    SendMessageW(ok, WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()), PRF_CLIENT);
    TsSkinManager* manager = Manager();
    PaintSectionToDC(manager, manager->GetSkinIndex("BUTTON"), "BUTTON",
                     TacParentImage{PixelsOfDibSection(behind.Handle()), 0, 0, true}, expected.Canvas().Handle(),
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
    Cancel(window);
  });
}

// Both dialogs as a person sees them: the folder's files listed, then Cancel hot under the mouse,
// then the file-type list dropped down (it lies outside the dialog, so the picture takes in both).
TEST_F(FileDialogFrame, BothDialogsShowTheirFilesAHotButtonAndADroppedList) {
  for (const bool save : {false, true}) {
    const std::string name = save ? "save-dialog" : "open-dialog";
    SCOPED_TRACE(name);
    TOwned<TOpenDialog> dialog(save ? new TSaveDialog(owner) : new TOpenDialog(owner));
    dialog->SetFilter("All files|*.*|Parts|*.vexl1|Second parts|*.vexl2|Third parts|*.vexl3");
    RunSkinned(*dialog, [&](HWND window) {
      HWND list = FileList(window);
      ASSERT_NE(list, nullptr);
      EXPECT_TRUE(PumpUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) >= 3; }))
          << "the three parts in the folder are listed";
      SaveScreenshot(SettledCapture(window), name + "-skinned.png");

      HWND cancel = GetDlgItem(window, IDCANCEL);
      auto* cancelHandler = dynamic_cast<TacBtnWnd*>(TacMainWnd::Find(cancel));
      ASSERT_NE(cancelHandler, nullptr);
      SetFocus(list);
      RECT button{};
      GetWindowRect(cancel, &button);
      SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
      PostMessageW(cancel, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
      EXPECT_TRUE(PumpUntil([&] { return cancelHandler->CurrentState() == 1; })) << "Cancel is hot under the mouse";
      SaveScreenshot(SettledCapture(window), name + "-hot-cancel.png");
      SetCursorPos(0, 0);

      HWND types = GetDlgItem(window, kFileTypeComboId);
      SendMessageW(types, CB_SHOWDROPDOWN, TRUE, 0);
      COMBOBOXINFO info{};
      info.cbSize = sizeof(info);
      GetComboBoxInfo(types, &info);
      ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(info.hwndList) && AnswersSkinned(info.hwndList); }));
      RECT shown{}, dropped{}, both{};
      GetWindowRect(window, &shown);
      GetWindowRect(info.hwndList, &dropped);
      UnionRect(&both, &shown, &dropped);
      SaveScreenshot(SettledCapture(both), name + "-types-dropped.png");
      SendMessageW(types, CB_SHOWDROPDOWN, FALSE, 0);
      Cancel(window);
    });
  }
}

}  // namespace
}  // namespace sundrel
