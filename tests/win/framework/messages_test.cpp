// The message method: direct dispatch (Perform) against the window's own queue, replaceable
// message methods, class names, and the framework's notifications in the order they come.
#include <gtest/gtest.h>
// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#include "base/utf.h"
#include "framework/button.h"
#include "framework/edit.h"
#include "framework/forms.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework_test_support.h"
#include "message_recorder.h"

namespace sundrel {
namespace {

using sundrel::testing::ClassNameOf;
using sundrel::testing::FrameworkNotification;
using sundrel::testing::PumpUntil;
using sundrel::testing::SequenceMatches;
using sundrel::testing::TMessageRecorder;
using sundrel::testing::TMessageSequence;
using namespace sundrel::testing::message_flags;

constexpr UINT kProbe = WM_APP + 7;

// Answers the probe the way some controls answer questions: in the record's LParam, with a
// result as well.
class TAnsweringButton : public TButton {
 public:
  using TButton::TButton;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == kProbe) {
      message.LParam = 1;
      message.Result = 2;
      return;
    }
    TButton::WndProc(message);
  }
};

class Messages : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    form->SetClientSize(300, 200);
  }
  TForm* form = nullptr;
};

TEST_F(Messages, WindowClassesAreNamedAfterTheCppClass) {
  auto* button = new TAnsweringButton(form);
  button->SetParent(form);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  EXPECT_EQ(ClassNameOf(form->Handle()), L"TForm");
  EXPECT_EQ(ClassNameOf(button->Handle()), L"TAnsweringButton");
  EXPECT_EQ(ClassNameOf(panel->Handle()), L"TPanel");
  // Still the system's button inside.
  SendMessageW(button->Handle(), BM_SETSTATE, TRUE, 0);
  EXPECT_NE(SendMessageW(button->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST_F(Messages, PerformHandsTheRecordItselfToTheMessageMethod) {
  auto* button = new TAnsweringButton(form);
  button->SetParent(form);
  TMessage message{kProbe, 0, 0, 0};
  button->Perform(message);
  EXPECT_EQ(message.LParam, 1);  // changed in place: the caller sees it
  EXPECT_EQ(message.Result, 2);
  EXPECT_FALSE(button->HandleAllocated());  // direct dispatch needs no window

  // Sent through the window, only the result comes back.
  EXPECT_EQ(SendMessageW(button->Handle(), kProbe, 0, 0), 2);
}

TEST_F(Messages, AHookSeesPerformedAndSentMessagesFirst) {
  auto* button = new TAnsweringButton(form);
  button->SetParent(form);
  std::vector<UINT> seen;
  const TRemovalToken hook = button->MessageHooks().Add([&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == kProbe || message.Msg == WM_SETTEXT) seen.push_back(message.Msg);
    passOn(message);
  });
  button->Perform(kProbe);
  SendMessageW(button->Handle(), kProbe, 0, 0);
  SetWindowTextW(button->Handle(), L"changed");
  EXPECT_EQ(seen, (std::vector<UINT>{kProbe, kProbe, WM_SETTEXT}));
  EXPECT_EQ(button->Text(), "changed");
}

TEST_F(Messages, ChangesAreAnnouncedToTheControl) {
  auto* button = new TButton(form);
  button->SetParent(form);
  TMessageRecorder log(FrameworkNotification);
  log.Watch(*button, "button");
  button->SetEnabled(false);
  button->SetText("new text");
  button->Font().SetHeight(-20);
  button->SetVisible(false);
  button->SetText("new text");  // unchanged: nothing to announce
  EXPECT_TRUE(SequenceMatches(log.Entries(), {{"button", CM_ENABLEDCHANGED, performed},
                                              {"button", CM_TEXTCHANGED, performed},
                                              {"button", CM_FONTCHANGED, performed},
                                              {"button", CM_VISIBLECHANGED, performed}}));
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
  EXPECT_FALSE(IsWindowVisible(button->Handle()));
}

TEST_F(Messages, ChildrenFollowTheParentsFontUntilTheyGetTheirOwn) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  auto* follower = new TButton(form);
  follower->SetParent(panel);
  auto* own = new TButton(form);
  own->SetParent(panel);
  own->Font().SetHeight(-9);
  TMessageRecorder log(FrameworkNotification);
  log.Watch(*follower, "follower");
  log.Watch(*own, "own");
  panel->Font().SetHeight(-17);
  EXPECT_EQ(follower->Font().Height(), -17);
  EXPECT_TRUE(follower->ParentFont());
  EXPECT_EQ(own->Font().Height(), -9);
  EXPECT_TRUE(SequenceMatches(log.Entries(), {{"follower", CM_PARENTFONTCHANGED, performed},
                                              {"follower", CM_FONTCHANGED, performed},
                                              {"own", CM_PARENTFONTCHANGED, performed}}));
}

TEST_F(Messages, TheMouseEnteringAndLeavingAWindowlessControlIsAnnounced) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 10, 80, 20);
  TMessageRecorder log(FrameworkNotification);
  log.Watch(*label, "label");
  log.Watch(*form, "form");
  form->Show();
  log.Clear();
  const LPARAM labelAddress = reinterpret_cast<LPARAM>(static_cast<TControl*>(label));
  PostMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 15));
  ASSERT_TRUE(PumpUntil([&] { return !log.Only(CM_MOUSEENTER).empty(); }));
  PostMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));
  ASSERT_TRUE(PumpUntil([&] { return !log.Only(CM_MOUSELEAVE).empty(); }));
  const TMessageSequence expected{{"label", CM_MOUSEENTER, performed | lparam, 0, 0},
                                  {"form", CM_MOUSEENTER, performed | lparam, 0, labelAddress},
                                  {"label", CM_MOUSELEAVE, performed | lparam, 0, 0},
                                  {"form", CM_MOUSELEAVE, performed | lparam, 0, labelAddress},
                                  {"form", CM_MOUSEENTER, performed | lparam, 0, 0}};
  TMessageSequence seen = log.Entries();
  seen.resize(std::min(seen.size(), expected.size()));
  EXPECT_TRUE(SequenceMatches(seen, expected));
}

TEST_F(Messages, TheHintShowsWhileTheMouseRestsOnTheControl) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 10, 80, 20);
  label->SetHint("联系作者");
  label->SetShowHint(true);
  auto* quiet = new TLabel(form);  // a hint text, but not shown
  quiet->SetParent(form);
  quiet->SetBounds(10, 40, 80, 20);
  quiet->SetHint("never");
  form->Show();
  auto tip = [] { return sundrel::testing::FindThreadWindow(TOOLTIPS_CLASSW); };
  // The real cursor goes there too: with it elsewhere, the system's leave tracking may end the
  // pause before the hint is due.
  auto moveTo = [&](int x, int y) {
    POINT point{x, y};
    ClientToScreen(form->Handle(), &point);
    SetCursorPos(point.x, point.y);
    PostMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  };
  moveTo(20, 15);
  ASSERT_TRUE(PumpUntil([&] { return tip() != nullptr; }));
  wchar_t text[64] = L"";
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = tip();
  tool.uId = 1;
  tool.lpszText = text;
  SendMessageW(tip(), TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(FromWide(text), "联系作者");
  moveTo(20, 45);
  EXPECT_TRUE(PumpUntil([&] { return tip() == nullptr; }));
}

TEST_F(Messages, AClickOnAWindowlessControlReachesIt) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 10, 80, 20);
  int clicks = 0;
  label->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  PostMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 20));
  PostMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 20));
  // Pressed on the label, released outside it: no click.
  PostMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 20));
  PostMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(250, 150));
  ASSERT_TRUE(PumpUntil([&] { return GetQueueStatus(QS_POSTMESSAGE | QS_MOUSE) == 0 && clicks > 0; }));
  EXPECT_EQ(clicks, 1);
}

TEST_F(Messages, FocusChangesAreAnnouncedToTheControlsAndTheForm) {
  auto* first = new TEdit(form);
  first->SetParent(form);
  auto* second = new TEdit(form);
  second->SetParent(form);
  second->SetBounds(0, 40, 121, 21);
  form->Show();
  first->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return form->ActiveControl() == first; }));
  TMessageRecorder log(FrameworkNotification);
  log.Watch(*first, "first");
  log.Watch(*second, "second");
  second->SetFocus();
  const LPARAM secondAddress = reinterpret_cast<LPARAM>(static_cast<TWinControl*>(second));
  EXPECT_TRUE(SequenceMatches(log.Entries(), {{"first", CM_EXIT, performed},
                                              {"second", CM_ENTER, performed},
                                              {"first", CM_FOCUSCHANGED, performed | lparam, 0, secondAddress},
                                              {"second", CM_FOCUSCHANGED, performed | lparam, 0, secondAddress}}));
  EXPECT_EQ(form->ActiveControl(), second);
}

}  // namespace
}  // namespace sundrel
