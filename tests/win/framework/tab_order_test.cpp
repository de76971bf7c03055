// Tab moves the focus through the controls in tab order, skipping what cannot take it; Enter
// and Esc press the default and cancel buttons.
#include <gtest/gtest.h>

#include "framework/button.h"
#include "framework/edit.h"
#include "framework/forms.h"
#include "framework/panel.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

using sundrel::testing::PumpUntil;

class TabOrder : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    form->SetClientSize(300, 200);
    // Created in another order than they are visited.
    third = Button(form, "third", 2);
    panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetTabOrder(0);
    first = Button(panel, "first", 0);
    second = new TEdit(form);
    second->SetParent(panel);
    second->SetTabOrder(1);
    fourth = Button(form, "fourth", 3);
  }

  TButton* Button(TWinControl* parent, const char* caption, int tabOrder) {
    auto* button = new TButton(form);
    button->SetCaption(caption);
    button->SetParent(parent);
    button->SetTabOrder(tabOrder);
    return button;
  }

  // Presses a key as the keyboard would, through the application's message loop, on the
  // control the form has focused (the system's focus is gone while another program is active).
  void PressKey(WORD key) {
    HWND target = form->ActiveControl()->Handle();
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    PumpUntil([] { return GetQueueStatus(QS_KEY | QS_POSTMESSAGE) == 0; });
  }

  TForm* form = nullptr;
  TPanel* panel = nullptr;
  TButton* first = nullptr;
  TEdit* second = nullptr;
  TButton* third = nullptr;
  TButton* fourth = nullptr;
};

TEST_F(TabOrder, TheListFollowsTabOrderDepthFirst) {
  const std::vector<TWinControl*> expected{panel, first, second, third, fourth};
  EXPECT_EQ(form->TabOrderList(), expected);
  EXPECT_EQ(third->TabOrder(), 1);  // among the form's own children, after the panel
}

TEST_F(TabOrder, TabVisitsEveryControlThatCanTakeTheFocusAndWraps) {
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return form->ActiveControl() == first; }));  // the first stop when it opens
  std::vector<TWinControl*> visited;
  for (int i = 0; i < 4; ++i) {
    PressKey(VK_TAB);
    visited.push_back(form->ActiveControl());
  }
  EXPECT_EQ(visited, (std::vector<TWinControl*>{second, third, fourth, first}));
}

TEST_F(TabOrder, DisabledAndHiddenControlsAreSkipped) {
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return form->ActiveControl() == first; }));
  second->SetEnabled(false);
  third->Hide();
  PressKey(VK_TAB);
  EXPECT_EQ(form->ActiveControl(), fourth);
}

TEST_F(TabOrder, DisablingTheFocusedControlMovesTheFocusOn) {
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return form->ActiveControl() == first; }));
  first->SetEnabled(false);
  EXPECT_EQ(form->ActiveControl(), second);
}

TEST_F(TabOrder, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  int thirdClicks = 0, fourthClicks = 0;
  third->OnClick = [&](TObject*) { ++thirdClicks; };
  fourth->OnClick = [&](TObject*) { ++fourthClicks; };
  third->SetDefault(true);
  fourth->SetCancel(true);
  form->Show();
  second->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return form->ActiveControl() == second; }));
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(thirdClicks, 1);
  EXPECT_EQ(fourthClicks, 1);
  // A focused button is the one Enter presses.
  first->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(thirdClicks, 1);
}

}  // namespace
}  // namespace sundrel
