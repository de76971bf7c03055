// Sending and probing skin commands: framework controls hear them through their window or their
// message method, plain windows through sending, and the probes read both kinds of answer.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/button.h"
#include "framework/forms.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework_test_support.h"
#include "probed_panel.h"
#include "skin/skin_command_win32.h"
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
  TMessageRecorder log = SkinCommandRecorder();
};

TEST_F(SkinCommands, PackTheCodeIntoTheHighWordAndTheFlagIntoTheLowWord) {
  EXPECT_EQ(SM_SKINCMD, 0xA100u);
  EXPECT_EQ(SkinCommandWParam(SMC_BG_CHANGED, 1), WPARAM{0x00140001});
  EXPECT_EQ(SkinCommandCode(0x00140001), SMC_BG_CHANGED);
  EXPECT_EQ(SkinCommandFlag(0x00140001), 1);
  EXPECT_EQ(RegisterWindowMessageW(L"SM_SKINCMD"), RegisterWindowMessageW(L"sm_skincmd"));
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

}  // namespace
}  // namespace sundrel
