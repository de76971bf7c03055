// Sending and probing skin commands: framework controls hear them through their window or their
// message method, plain windows through sending, and the probes read both kinds of answer.
#include <gtest/gtest.h>
// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "framework/button.h"
#include "framework/forms.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework_test_support.h"
#include "probed_panel.h"
#include "skin/manager/skin_command_win32.h"
#include "skin_command_records.h"

namespace sundrel {
namespace {

using sundrel::testing::AnswerSkinned;
using sundrel::testing::Command;
using sundrel::testing::SequenceMatches;
using sundrel::testing::SkinCommandRecorder;
using sundrel::testing::TMessageRecorder;
using namespace sundrel::testing::message_flags;
using sundrel::testing::TProbedPanel;

class SkinCommands : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    button = new TButton(form);
    button->SetParent(form);
    label = new TLabel(form);
    label->SetParent(form);
    form->HandleNeeded();
  }

  TForm* form = nullptr;
  TButton* button = nullptr;
  TLabel* label = nullptr;
  FreshSlots fresh;
  TMessageRecorder log = SkinCommandRecorder();
};

TEST_F(SkinCommands, PackTheCodeIntoTheHighWordAndTheFlagIntoTheLowWord) {
  EXPECT_EQ(SM_SKINCMD, 0xA100u);
  EXPECT_EQ(SkinCommandWParam(SMC_BG_CHANGED, 1), WPARAM{0x00140001});
  EXPECT_EQ(SkinCommandCode(0x00140001), SMC_BG_CHANGED);
  EXPECT_EQ(SkinCommandFlag(0x00140001), 1);
}

TEST_F(SkinCommands, ReachWindowedControlsThroughTheirWindowAndOthersThroughTheirMethod) {
  auto* orphan = new TPanel(form);  // no parent, so no window
  log.Watch(*button, "button");
  log.Watch(*label, "label");
  log.Watch(*orphan, "orphan");

  SendSkinCommandToControl(button, SMC_REFRESH, 5);
  SendSkinCommandToControl(label, SMC_REFRESH, 6);
  EXPECT_EQ(SendSkinCommandToControl(orphan, SMC_REFRESH, 7), 0);

  EXPECT_TRUE(SequenceMatches(log.Entries(),
                              {Command("button", SMC_REFRESH, 5, sent), Command("label", SMC_REFRESH, 6, performed)}));
  EXPECT_FALSE(orphan->HandleAllocated()) << "a command must not create a window";
}

TEST_F(SkinCommands, AskControlReadsTheAnswerFromTheRecordOrFromTheWindow) {
  auto* probed = new TProbedPanel(form);  // answers in the record, has no window
  auto* handled = new TButton(form);      // its window answers, as a window handler's does
  handled->SetParent(form);
  const auto answer = AnswerSkinned(handled->Handle());
  log.Watch(handled->Handle(), "handled");
  log.Watch(*button, "button");

  EXPECT_TRUE(AskControl(probed, SMC_IS_SKINNED));
  EXPECT_FALSE(probed->HandleAllocated());
  EXPECT_TRUE(AskControl(handled, SMC_IS_SKINNED));
  EXPECT_FALSE(AskControl(button, SMC_IS_SKINNED));
  EXPECT_FALSE(AskControl(label, SMC_IS_SKINNED));

  // The unskinned button is asked twice: in the record, then through its window.
  EXPECT_TRUE(SequenceMatches(
      log.Entries(), {Command("handled", SMC_IS_SKINNED, 0, sent), Command("button", SMC_IS_SKINNED, 0, performed),
                      Command("button", SMC_IS_SKINNED, 0, sent)}));
}

TEST_F(SkinCommands, AskWindowTwiceCountsTheSecondAnswer) {
  int asked = 0;
  {
    // Answers the first skin command with 1 and every later one with 0.
    const TWindowSubclass answerOnce(button->Handle(), [&](TMessage& message, const TPassOn& passOn) {
      if (message.Msg != SM_SKINCMD) return passOn(message);
      message.Result = ++asked == 1 ? 1 : 0;
    });
    EXPECT_FALSE(AskWindowTwice(button->Handle(), SMC_IS_SKINNED));
    EXPECT_EQ(asked, 2);
  }

  const auto answer = AnswerSkinned(form->Handle());
  log.Watch(form->Handle(), "form");
  EXPECT_TRUE(AskWindowTwice(form->Handle(), SMC_IS_SKINNED));
  EXPECT_EQ(log.Entries().size(), 2u);
}

TEST_F(SkinCommands, UnknownCodesAndQuestionsToUnskinnedWindowsAreAnsweredWithZero) {
  for (int code : {99, SMC_GET_SKIN_INDEX, SMC_GET_PROVIDER, SMC_IS_SKINNED}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(SendSkinCommand(form->Handle(), code), 0);
    EXPECT_EQ(SendSkinCommand(button->Handle(), code), 0);
    EXPECT_EQ(SendSkinCommandToControl(label, code), 0);
  }
}

// A parent that lends its picture and gives its colour, writing the answers into the slots while
// the question is being sent, as a skinned parent does.
TacMemBitmap lentPicture(4, 4, 3);
LRESULT CALLBACK AnswerThroughTheSlots(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == SM_SKINCMD && SkinCommandCode(wParam) == SMC_GET_CACHE) {
    Shared().ParentImage = {lentPicture.Pixels(), 3, 2, true};
    return 0;
  }
  if (msg == SM_SKINCMD && SkinCommandCode(wParam) == SMC_GET_COLOR) {
    Shared().BackFillColor = 0x123456;
    return 1;
  }
  return DefSubclassProc(window, msg, wParam, lParam);
}

TEST_F(SkinCommands, AnswersTravelThroughTheSharedSlotsAndTheSlotsGetTheirValuesBack) {
  SetWindowSubclass(form->Handle(), AnswerThroughTheSlots, 1, 0);
  // What an outer composition had set must be there again after the question.
  const TacParentImage outer{lentPicture.Pixels(), 9, 9, true};
  SlotScope outerImage(Shared().ParentImage, outer);
  SlotScope outerColor(Shared().BackFillColor, TColor{0x654321});

  const TacParentImage lent = AskParentImage(form->Handle());
  EXPECT_TRUE(lent.Ready);
  EXPECT_EQ(lent.Image.Row0, lentPicture.Pixels().Row0);
  EXPECT_EQ(lent.X, 3);
  EXPECT_EQ(lent.Y, 2);
  EXPECT_EQ(AskBackFillColor(form->Handle()), 0x123456);
  EXPECT_EQ(Shared().ParentImage.X, 9);
  EXPECT_EQ(Shared().BackFillColor, 0x654321);

  // A window that knows nothing of skins lends no picture and gives no colour, even while the
  // slots hold values of an outer composition.
  EXPECT_FALSE(AskParentImage(button->Handle()).Ready);
  EXPECT_EQ(AskBackFillColor(button->Handle()), clFuchsia);
  RemoveWindowSubclass(form->Handle(), AnswerThroughTheSlots, 1);
}

}  // namespace
}  // namespace sundrel
