// Ownership: owners free what they own, last first; the whole tree knows it is going before any
// part of it goes; references learn when their target is freed; Loaded follows loading.
#include "framework/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/button.h"
#include "framework/forms.h"
#include "framework/menus.h"
#include "framework/panel.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

std::vector<std::string> events;

class TProbe : public TComponent {
 public:
  TProbe(TComponent* owner, std::string name, TComponent* sibling = nullptr) : TComponent(owner), sibling_(sibling) {
    SetName(std::move(name));
    events.push_back(Name() + (IsLoading() ? " created loading" : " created"));
  }
  ~TProbe() override {
    std::string line = Name() + " freed";
    if (sibling_ != nullptr) line += sibling_->IsDestroying() ? ", sibling marked" : ", sibling not marked";
    events.push_back(line);
  }

 protected:
  void Loaded() override {
    TComponent::Loaded();
    events.push_back(Name() + " loaded");
  }

 private:
  TComponent* sibling_;
};

class ComponentTree : public ::testing::Test {
 protected:
  void SetUp() override { events.clear(); }
};

TEST_F(ComponentTree, OwnerFreesWhatItOwnsLastCreatedFirst) {
  auto root = MakeOwned<TProbe>(nullptr, "root");
  auto* first = new TProbe(root.get(), "first");
  new TProbe(first, "first.child");
  new TProbe(root.get(), "second");
  events.clear();
  root.reset();
  EXPECT_EQ(events, (std::vector<std::string>{"root freed", "second freed", "first freed", "first.child freed"}));
}

TEST_F(ComponentTree, TheWholeTreeIsMarkedBeforeAnyPartGoes) {
  auto root = MakeOwned<TComponent>(nullptr);
  auto* early = new TProbe(root.get(), "early");
  new TProbe(root.get(), "late", early);
  events.clear();
  root.reset();
  // "late" goes first and sees "early" still there, but already marked as going.
  EXPECT_EQ(events, (std::vector<std::string>{"late freed, sibling marked", "early freed"}));
}

TEST_F(ComponentTree, AComponentFreedEarlyLeavesItsOwner) {
  auto root = MakeOwned<TComponent>(nullptr);
  auto* gone = new TProbe(root.get(), "gone");
  new TProbe(root.get(), "kept");
  gone->Free();
  EXPECT_EQ(root->ComponentCount(), 1);
  EXPECT_EQ(root->FindComponent("gone"), nullptr);
  EXPECT_NE(root->FindComponent("kept"), nullptr);
}

TEST_F(ComponentTree, LoadedFollowsLoadingInCreationOrder) {
  auto root = MakeOwned<TProbe>(nullptr, "root");
  root->BeginLoading();
  auto* a = new TProbe(root.get(), "a");
  new TProbe(root.get(), "b");
  EXPECT_TRUE(a->IsLoading());
  root->EndLoading();
  EXPECT_FALSE(a->IsLoading());
  EXPECT_FALSE(root->IsLoading());
  EXPECT_EQ(events, (std::vector<std::string>{"root created", "a created loading", "b created loading", "a loaded",
                                              "b loaded", "root loaded"}));
}

TEST_F(ComponentTree, AReferenceIsClearedWhenItsTargetIsFreed) {
  auto root = MakeOwned<TComponent>(nullptr);
  auto elsewhere = MakeOwned<TComponent>(nullptr);
  auto* button = new TButton(root.get());
  auto* menu = new TPopupMenu(elsewhere.get());  // another owner: only the free notification tells
  button->SetPopupMenu(menu);
  menu->Free();
  EXPECT_EQ(button->PopupMenu(), nullptr);
}

class ControlTree : public sundrel::testing::FrameworkTest {};

TEST_F(ControlTree, AParentFreesItsChildControlsWhoeverOwnsThem) {
  auto* form = application->CreateForm<TForm>();
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  auto* button = new TButton(application.get());  // owned elsewhere, shown on the panel
  button->SetParent(panel);
  form->HandleNeeded();
  const HWND buttonWindow = button->Handle();
  const int owned = application->ComponentCount();
  panel->Free();
  EXPECT_EQ(application->ComponentCount(), owned - 1);
  EXPECT_FALSE(IsWindow(buttonWindow));
  EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(ControlTree, FreeingAFormDestroysItsWindowsWhileTheControlsAreWhole) {
  auto* form = application->CreateForm<TForm>();
  EXPECT_EQ(Forms(), std::vector<TCustomForm*>{form});
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetText("kept");
  const HWND formWindow = form->Handle();
  const HWND buttonWindow = button->Handle();
  std::vector<UINT> seen;
  const TRemovalToken hook = button->MessageHooks().Add([&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == WM_DESTROY) seen.push_back(message.Msg);
    passOn(message);
  });
  form->Free();
  EXPECT_FALSE(IsWindow(formWindow));
  EXPECT_FALSE(IsWindow(buttonWindow));
  EXPECT_EQ(seen, std::vector<UINT>{WM_DESTROY});
  EXPECT_EQ(application->MainForm(), nullptr);
  EXPECT_TRUE(Forms().empty());
}

}  // namespace
}  // namespace sundrel
