// The program's message box: the buttons and icon a request turns into, its caption, the windows
// it disables while open, and the position it asks for only while it is open.
#include "framework/message_box.h"

#include <gtest/gtest.h>

#include "framework/forms.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

using sundrel::testing::ClassNameOf;
using sundrel::testing::FindThreadWindow;
using sundrel::testing::WindowTextOf;
using sundrel::testing::WindowWatch;

TEST(MessageBoxStyles, PickTheButtonsInOrderOfPreferenceWithTheKindsIcon) {
  struct Case {
    TMsgDlgType type;
    TMsgDlgButtons buttons;
    unsigned style;
  } cases[] = {
      {TMsgDlgType::mtError, mbOK, MB_OK | MB_ICONERROR},
      {TMsgDlgType::mtWarning, mbOK | mbCancel, MB_OKCANCEL | MB_ICONWARNING},
      {TMsgDlgType::mtInformation, mbOK | mbYes | mbAbort, MB_OK | MB_ICONINFORMATION},
      {TMsgDlgType::mtConfirmation, mbIgnore, MB_ABORTRETRYIGNORE | MB_ICONQUESTION},
      {TMsgDlgType::mtConfirmation, mbAbort | mbYes, MB_ABORTRETRYIGNORE | MB_ICONQUESTION},
      {TMsgDlgType::mtConfirmation, mbNo, MB_YESNO | MB_ICONQUESTION},
      {TMsgDlgType::mtConfirmation, mbYes | mbCancel, MB_YESNOCANCEL | MB_ICONQUESTION},
      {TMsgDlgType::mtCustom, mbRetry, MB_RETRYCANCEL},
      {TMsgDlgType::mtCustom, mbCancel, MB_OK},
      {TMsgDlgType::mtCustom, 0, MB_OK},
      {TMsgDlgType::mtWarning, mbOK | mbHelp, MB_OK | MB_ICONWARNING | MB_HELP},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(MessageBoxStyle(test.type, test.buttons), test.style) << static_cast<int>(test.type) << " " << test.buttons;
  }
}

TEST(MessageBoxStyles, CaptionsFollowTheKind) {
  EXPECT_EQ(DefaultMessageCaption(TMsgDlgType::mtWarning), "Warning");
  EXPECT_EQ(DefaultMessageCaption(TMsgDlgType::mtError), "Error");
  EXPECT_EQ(DefaultMessageCaption(TMsgDlgType::mtInformation), "Information");
  EXPECT_EQ(DefaultMessageCaption(TMsgDlgType::mtConfirmation), "Confirm");
  EXPECT_EQ(DefaultMessageCaption(TMsgDlgType::mtCustom), "");
}

class MessageBoxes : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    form->Show();
  }

  // What the open box showed, read from inside its modal loop.
  struct SeenBox {
    std::string caption, text;
    int buttons = 0;
    bool hasIcon = false;
    bool formEnabled = true;
    POINT wished{0, 0};
  };

  static SeenBox Read(HWND box) {
    SeenBox seen;
    seen.caption = WindowTextOf(box);
    seen.text = WindowTextOf(GetDlgItem(box, 0xFFFF));
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if (ClassNameOf(child) == L"Button") ++seen.buttons;
      if (ClassNameOf(child) == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        seen.hasIcon = true;
      }
    }
    seen.wished = MessageBoxPosition();
    return seen;
  }

  TForm* form = nullptr;
};

TEST_F(MessageBoxes, TheErrorShortcutShowsOneOkButtonUnderErrorWithItsIconAndDisablesTheProgram) {
  SeenBox seen;
  WindowWatch watch([] { return FindThreadWindow(L"#32770"); },
                    [&](HWND box) {
                      seen = Read(box);
                      seen.formEnabled = IsWindowEnabled(form->Handle()) != FALSE;
                      PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                    });
  ShowErrorBox("Directory x can`t be created!");
  ASSERT_TRUE(watch.Seen());
  EXPECT_EQ(seen.caption, "Error");
  EXPECT_EQ(seen.text, "Directory x can`t be created!");
  EXPECT_EQ(seen.buttons, 1);
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_FALSE(seen.formEnabled);
  EXPECT_EQ(seen.wished.x, -1);
  EXPECT_EQ(seen.wished.y, -1);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

TEST_F(MessageBoxes, AskForAPositionOnlyWhileOpenAndAnswerTheButtonThatClosedThem) {
  SeenBox seen;
  WindowWatch watch([] { return FindThreadWindow(L"#32770"); },
                    [&](HWND box) {
                      seen = Read(box);
                      PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
                    });
  const int answer = ShowMessageBox(std::string("Replace?"), "The file exists.", TMsgDlgType::mtConfirmation,
                                    mbYes | mbNo | mbCancel, 40, 60);
  ASSERT_TRUE(watch.Seen());
  EXPECT_EQ(answer, IDNO);
  EXPECT_EQ(seen.caption, "Replace?");
  EXPECT_EQ(seen.buttons, 3);
  EXPECT_EQ(seen.wished.x, 40);
  EXPECT_EQ(seen.wished.y, 60);
  EXPECT_EQ(MessageBoxPosition().x, -1);
  EXPECT_EQ(MessageBoxPosition().y, -1);
  EXPECT_EQ(GetActiveWindow(), form->Handle());
}

}  // namespace
}  // namespace sundrel
