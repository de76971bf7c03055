// A system message box is skinned as it opens: its frame handler answers as skinned, its caption
// buttons show the skin's glyph cells where the system's were, it opens where the program asked,
// it keeps one background brush, and the system's caption buttons come back when the handler goes.
#include <gtest/gtest.h>
#include <windows.h>

#include "dialog_frame_fixture.h"
#include "framework/message_box.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/dialog_frame/ac_dialog_wnd.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr wchar_t kCaption[] = L"Sundrel";

class MessageBoxFrame : public DialogFrameTest {
 protected:
  // Shows a message box over the owner form; once it is skinned `whileOpen` runs, then OK closes it.
  int RunMessageBox(const std::function<void(HWND)>& whileOpen) {
    WindowWatch watch([] { return FindThreadWindow(L"#32770", kCaption); },
                      [&](HWND box) {
                        EXPECT_TRUE(BecomesSkinned(box));
                        whileOpen(box);
                        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                      });
    const int answer = MessageBoxW(owner->Handle(), L"文件分割完毕", kCaption, MB_OK);
    EXPECT_TRUE(watch.Seen());
    return answer;
  }
};

TEST_F(MessageBoxFrame, IsSkinnedWithTheSkinsCaptionButtons) {
  EXPECT_EQ(RunMessageBox([&](HWND box) {
              TacDialogWnd* frame = DialogFrameOf(box);
              ASSERT_NE(frame, nullptr);
              EXPECT_EQ(SendSkinCommand(box, SMC_IS_SKINNED), 1);
              EXPECT_EQ(GetWindowLongW(box, GWL_STYLE) & WS_SYSMENU, 0) << "the system draws no buttons of its own";
              const std::vector<TacCaptionButton> buttons = frame->CaptionButtons();
              ASSERT_EQ(buttons.size(), 1u) << "a message box has only the close button";
              EXPECT_EQ(buttons[0].HitCode, HTCLOSE);
              ASSERT_GE(buttons[0].MaskIndex, 0);
              SetCursorPos(0, 0);
              EXPECT_GT(ExpectGlyphCell(*Manager(), box, buttons[0], 0), 10);
              // The static that shows the text and the OK button have their handlers too.
              EXPECT_EQ(SendSkinCommand(GetDlgItem(box, IDOK), SMC_IS_SKINNED), 1);
              SaveScreenshot(SettledCapture(box), "message-box-skinned.png");
            }),
            IDOK);
}

TEST_F(MessageBoxFrame, TheCloseButtonIsHitAndPressedByTheSkin) {
  RunMessageBox([&](HWND box) {
    TacDialogWnd* frame = DialogFrameOf(box);
    ASSERT_NE(frame, nullptr);
    const TacCaptionButton close = frame->CaptionButtons().at(0);
    RECT bounds{};
    GetWindowRect(box, &bounds);
    const POINT centre{bounds.left + (close.Rect.Left + close.Rect.Right) / 2,
                       bounds.top + (close.Rect.Top + close.Rect.Bottom) / 2};
    SetCursorPos(centre.x, centre.y);
    EXPECT_EQ(SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTCLOSE);
    EXPECT_EQ(frame->HotButton(), HTCLOSE) << "the button under the mouse turns hot";
    EXPECT_GT(ExpectGlyphCell(*Manager(), box, close, 1), 10);
    SetCursorPos(centre.x - 60, centre.y);
    EXPECT_EQ(SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(centre.x - 60, centre.y)), HTCAPTION);
    EXPECT_EQ(frame->HotButton(), 0);
  });
}

TEST_F(MessageBoxFrame, OpensWhereTheProgramAsked) {
  WindowWatch watch([] { return FindThreadWindow(L"#32770", L"Information"); },
                    [&](HWND box) {
                      EXPECT_TRUE(BecomesSkinned(box));
                      RECT bounds{};
                      GetWindowRect(box, &bounds);
                      EXPECT_EQ(bounds.left, 70);
                      EXPECT_EQ(bounds.top, 90);
                      PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                    });
  ShowMessageBox(std::string("Information"), "Placed", TMsgDlgType::mtInformation, mbOK, 70, 90);
  EXPECT_TRUE(watch.Seen());
}

TEST_F(MessageBoxFrame, KeepsOneBackgroundBrush) {
  RunMessageBox([&](HWND box) {
    const LRESULT first = SendMessageW(box, WM_CTLCOLORDLG, 0, 0);
    EXPECT_NE(first, 0);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(SendMessageW(box, WM_CTLCOLORDLG, 0, 0), first);
  });
}

TEST_F(MessageBoxFrame, TheSystemMenuStyleComesBackWhenTheHandlerGoes) {
  RunMessageBox([&](HWND box) {
    TacDialogWnd* frame = DialogFrameOf(box);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(GetWindowLongW(box, GWL_STYLE) & WS_SYSMENU, 0);
    frame->Detach(true);
    EXPECT_NE(GetWindowLongW(box, GWL_STYLE) & WS_SYSMENU, 0);
  });
}

TEST_F(MessageBoxFrame, SystemMenuHasTheDialogsCommands) {
  RunMessageBox([&](HWND box) {
    TacDialogWnd* frame = DialogFrameOf(box);
    ASSERT_NE(frame, nullptr);
    TacSystemMenu& menu = frame->SystemMenu();
    EXPECT_EQ(menu.miClose->Caption(), "Close\tAlt+F4");
    EXPECT_TRUE(menu.miClose->Visible());
    EXPECT_TRUE(menu.miMove->Enabled());
    EXPECT_FALSE(menu.miMinimize->Visible()) << "no minimize box";
    EXPECT_FALSE(menu.miMaximize->Visible()) << "no maximize box";
    EXPECT_FALSE(menu.miSize->Visible()) << "a fixed frame";
  });
}

}  // namespace
}  // namespace sundrel
