// The simple message (TMessageForm) and the default error report.
#include "framework/message_form.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/errors.h"
#include "framework/application.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

using sundrel::testing::ClassNameOf;
using sundrel::testing::ClipboardText;
using sundrel::testing::FindThreadWindow;
using sundrel::testing::WindowTextOf;
using sundrel::testing::WindowWatch;

TEST(ErrorReportText, EndsWithAFullStopUnlessTheLastCharacterSortsAtOrBeforeIt) {
  struct Case {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Stream read error", "Stream read error."},
      {"Done.", "Done."},
      {"Really!", "Really!"},
      {"(see above)", "(see above)"},
      {"ends in a blank ", "ends in a blank "},
      {"a/b", "a/b."},
      {"文件为空", "文件为空."},
      {"", ""},
  };
  for (const Case& test : cases) EXPECT_EQ(ErrorReportText(test.message), test.shown) << test.message;
}

class MessageForms : public sundrel::testing::FrameworkTest {};

TEST_F(MessageForms, ShowsTheMessageCentredWithOneOkButton) {
  std::string text = "第一行的文字很长很长，";
  for (int i = 0; i < 60; ++i) text += " many words";
  TOwned<TMessageForm> form(new TMessageForm(application.get(), text));
  form->Show();
  HWND window = form->Handle();
  EXPECT_EQ(ClassNameOf(window), L"TMessageForm");
  EXPECT_EQ(WindowTextOf(window), "Framework test");
  EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);

  HWND button = FindWindowExW(window, nullptr, L"TButton", nullptr);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(WindowTextOf(button), "OK");
  EXPECT_EQ(FindWindowExW(window, button, L"TButton", nullptr), nullptr);
  EXPECT_NE(GetWindowLongW(button, GWL_STYLE) & BS_DEFPUSHBUTTON, 0);

  RECT bounds;
  GetWindowRect(window, &bounds);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_LE(std::abs((bounds.left + bounds.right) / 2 - screenWidth / 2), 1);
  EXPECT_LE(std::abs((bounds.top + bounds.bottom) / 2 - screenHeight / 2), 1);
  // The long text wraps at half the screen's width, so the box grows downwards instead.
  EXPECT_LT(bounds.right - bounds.left, screenWidth * 2 / 3);
  EXPECT_GT(bounds.bottom - bounds.top, 3 * GetSystemMetrics(SM_CYCAPTION));
}

TEST_F(MessageForms, CopyPutsTheTextOnTheClipboardLikeTheSystemsMessageBox) {
  TOwned<TMessageForm> form(new TMessageForm(application.get(), "文件分割完毕"));
  const std::string expected =
      "---------------------------\r\nFramework test\r\n---------------------------\r\n文件分割完毕\r\n"
      "---------------------------\r\nOK   \r\n---------------------------\r\n";
  EXPECT_EQ(form->FormText(), expected);
  SendMessageW(form->Handle(), WM_COPY, 0, 0);
  EXPECT_EQ(ClipboardText(), expected);
}

class KeyClosesMessage : public MessageForms, public ::testing::WithParamInterface<WORD> {};

TEST_P(KeyClosesMessage, TheKeyClosesTheModalMessage) {
  WindowWatch watch([] { return FindThreadWindow(L"TMessageForm"); },
                    [](HWND form) {
                      HWND button = FindWindowExW(form, nullptr, L"TButton", nullptr);
                      PostMessageW(button, WM_KEYDOWN, GetParam(), 1);
                    });
  ShowMessage("press a key");
  EXPECT_TRUE(watch.Seen());
  EXPECT_EQ(FindThreadWindow(L"TMessageForm"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EnterAndEsc, KeyClosesMessage, ::testing::Values(VK_RETURN, VK_ESCAPE));

TEST_F(MessageForms, CtrlCCopiesTheOpenMessage) {
  std::string copied;
  WindowWatch watch([] { return FindThreadWindow(L"TMessageForm"); },
                    [&](HWND form) {
                      OpenClipboard(nullptr);
                      EmptyClipboard();
                      CloseClipboard();
                      BYTE keys[256];
                      GetKeyboardState(keys);
                      keys[VK_CONTROL] = 0x80;
                      SetKeyboardState(keys);
                      SendMessageW(FindWindowExW(form, nullptr, L"TButton", nullptr), WM_KEYDOWN, 'C', 1);
                      keys[VK_CONTROL] = 0;
                      SetKeyboardState(keys);
                      copied = ClipboardText();
                      PostMessageW(form, WM_CLOSE, 0, 0);
                    });
  ShowMessage("copy me");
  EXPECT_NE(copied.find("\r\ncopy me\r\n"), std::string::npos) << copied;
}

TEST_F(MessageForms, TheErrorReportIsASystemMessageBoxWithTheErrorIcon) {
  std::string text, caption;
  bool hasIcon = false;
  WindowWatch watch(
      [] { return FindThreadWindow(L"#32770"); },
      [&](HWND box) {
        caption = WindowTextOf(box);
        text = WindowTextOf(GetDlgItem(box, 0xFFFF));
        for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
          if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && ClassNameOf(child) == L"Static") {
            hasIcon = true;
          }
        }
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
      });
  try {
    throw EReadError(SReadError);
  } catch (...) {
    HandleCurrentException();
  }
  EXPECT_EQ(caption, "Framework test");
  EXPECT_EQ(text, "Stream read error.");
  EXPECT_TRUE(hasIcon);
}

}  // namespace
}  // namespace sundrel
