// Broadcasts: a command reaches a control tree once per skinned element, and every form of the
// application in a fixed order, skipping the forms that pass commands on themselves.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "framework/forms.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework_test_support.h"
#include "paint/shared_slots.h"
#include "probed_panel.h"
#include "skin/manager/broadcast_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "skin_command_records.h"

namespace sundrel {
namespace {

using sundrel::testing::AnswerSkinned;
using sundrel::testing::Command;
using sundrel::testing::OnlyCommand;
using sundrel::testing::SequenceMatches;
using sundrel::testing::SkinCommandRecorder;
using sundrel::testing::TMessageRecorder;
using sundrel::testing::TProbedPanel;
using namespace sundrel::testing::message_flags;

// A label that runs an action when it hears a command, or while it is being freed.
class TActingLabel : public TLabel {
 public:
  using TLabel::TLabel;
  std::function<void()> onCommand;
  std::function<void()> whileFreed;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == SM_SKINCMD && onCommand) onCommand();
    TLabel::WndProc(message);
  }
  void BeforeDestruction() override {
    TLabel::BeforeDestruction();
    if (whileFreed) whileFreed();
  }
};

template <class T>
T* Child(TWinControl* parent) {
  auto* child = new T(parent);
  child->SetParent(parent);
  return child;
}

class Broadcasts : public sundrel::testing::FrameworkTest {
 protected:
  TForm* NewForm() {
    auto* form = application->CreateForm<TForm>();
    form->HandleNeeded();
    return form;
  }

  FreshSlots fresh;
  TMessageRecorder log = SkinCommandRecorder();
};

TEST_F(Broadcasts, ASkinnedChildInsideAnUnskinnedPanelHearsTheCommandOnce) {
  TForm* form = NewForm();
  auto* plain = Child<TPanel>(form);
  auto* skinned = Child<TProbedPanel>(plain);
  auto* inner = Child<TLabel>(skinned);
  auto* label = Child<TLabel>(plain);
  form->HandleNeeded();
  log.Watch(*plain, "plain");
  log.Watch(*skinned, "skinned");
  log.Watch(*inner, "inner");
  log.Watch(*label, "label");

  BroadcastToChildren(form, SkinCommand(SMC_REFRESH, 42));

  // The unskinned panel is asked in its record and through its window, then passed through; the
  // skinned one answers in its record and gets the command through its window, keeping it from
  // its own children.
  EXPECT_TRUE(SequenceMatches(
      log.Entries(), {Command("plain", SMC_IS_SKINNED, 0, performed), Command("plain", SMC_IS_SKINNED, 0, sent),
                      Command("skinned", SMC_IS_SKINNED, 0, performed), Command("skinned", SMC_REFRESH, 42, sent),
                      Command("label", SMC_REFRESH, 42, performed)}));
}

TEST_F(Broadcasts, TheChildWalkSurvivesReceiversThatFreeSiblingsAndStopsAtOneBeingFreed) {
  TForm* form = NewForm();
  auto* first = Child<TActingLabel>(form);
  auto* second = Child<TActingLabel>(form);
  auto* third = Child<TActingLabel>(form);
  log.Watch(*first, "first");
  log.Watch(*second, "second");
  log.Watch(*third, "third");

  first->onCommand = [&] {
    if (third != nullptr) std::exchange(third, nullptr)->Free();
  };
  BroadcastToChildren(form, SkinCommand(SMC_REFRESH));
  EXPECT_TRUE(SequenceMatches(
      log.Entries(), {Command("first", SMC_REFRESH, 0, performed), Command("second", SMC_REFRESH, 0, performed)}));

  // A control that tells its siblings while it is being freed: the walk ends at it.
  log.Clear();
  first->onCommand = nullptr;
  auto* last = Child<TActingLabel>(form);
  log.Watch(*last, "last");
  second->whileFreed = [&] { BroadcastToChildren(form, SkinCommand(SMC_STOP_FADING)); };
  std::exchange(second, nullptr)->Free();
  EXPECT_TRUE(SequenceMatches(log.Entries(), {Command("first", SMC_STOP_FADING, 0, performed)}));
}

TEST_F(Broadcasts, FormsHearItLastCreatedFirstThenTheFormsWithProviders) {
  TForm* first = NewForm();
  auto* firstLabel = Child<TLabel>(first);
  TForm* second = NewForm();
  auto* secondLabel = Child<TLabel>(second);
  auto* windowless = application->CreateForm<TForm>();  // never shown, so it has no window
  TForm* loading = NewForm();
  loading->BeginLoading();
  TForm* handled = NewForm();  // its window answers that it is skinned
  TForm* provided = NewForm();
  auto* providedLabel = Child<TLabel>(provided);
  auto* notAForm = new TComponent(application.get());
  Shared().FormsWithProvider = {nullptr, notAForm, provided};

  log.Watch(*first, "first");
  log.Watch(*firstLabel, "first.label");
  log.Watch(*second, "second");
  log.Watch(*secondLabel, "second.label");
  log.Watch(*windowless, "windowless");
  log.Watch(*loading, "loading");
  const auto handledAnswer = AnswerSkinned(handled->Handle());
  const auto providedAnswer = AnswerSkinned(provided->Handle());
  log.Watch(handled->Handle(), "handled");
  log.Watch(provided->Handle(), "provided");
  log.Watch(*providedLabel, "provided.label");

  const LPARAM manager = 0x1234;
  BroadcastToForms(SMC_SKIN_SET, manager);

  EXPECT_TRUE(SequenceMatches(
      OnlyCommand(log.Entries(), SMC_SKIN_SET),
      {Command("windowless", SMC_SKIN_SET, manager, performed), Command("second", SMC_SKIN_SET, manager, sent),
       Command("second.label", SMC_SKIN_SET, manager, performed), Command("first", SMC_SKIN_SET, manager, sent),
       Command("first.label", SMC_SKIN_SET, manager, performed), Command("provided", SMC_SKIN_SET, manager, sent),
       Command("provided.label", SMC_SKIN_SET, manager, performed)}));
  EXPECT_FALSE(windowless->HandleAllocated()) << "a broadcast must not create windows";
  // The four forms with windows that are not loading were each asked twice, on the first walk.
  EXPECT_EQ(OnlyCommand(log.Entries(), SMC_IS_SKINNED).size(), 8u);
}

TEST_F(Broadcasts, AMultiDocumentParentsClientHearsItAndChildFormsAreLeftToIt) {
  TForm* parent = NewForm();
  CLIENTCREATESTRUCT client{nullptr, 0xFF00};
  HWND clientWindow = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent->Handle(),
                                      nullptr, GetModuleHandleW(nullptr), &client);
  ASSERT_NE(clientWindow, nullptr);
  ASSERT_EQ(MdiClientOf(parent), clientWindow);
  TForm* child = NewForm();
  SetWindowLongW(child->Handle(), GWL_EXSTYLE, GetWindowLongW(child->Handle(), GWL_EXSTYLE) | WS_EX_MDICHILD);
  ASSERT_TRUE(IsMdiChild(child));

  log.Watch(*parent, "parent");
  log.Watch(clientWindow, "client");
  log.Watch(*child, "child");
  BroadcastToForms(SMC_REFRESH, 7);

  EXPECT_TRUE(SequenceMatches(OnlyCommand(log.Entries(), SMC_REFRESH),
                              {Command("parent", SMC_REFRESH, 7, sent), Command("client", SMC_REFRESH, 7, sent)}));
}

}  // namespace
}  // namespace sundrel
