// The skinned edit: the system paints its client area in the section's colours for the state,
// the frame comes from the section's picture, and the bound label follows the edit.
#include <gtest/gtest.h>

#include "controls/s_edit.h"
#include "controls/s_panel.h"
#include "tidewater_form.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class SkinnedEdit : public TidewaterForm {
 protected:
  void SetUp() override {
    TidewaterForm::SetUp();
    panel = AddPanel(0, 0, 400, 80);
    edit = new TsEdit(form);
    edit->SetBounds(20, 20, 160, 21);
    edit->SetColor(clWhite);
    edit->SetText("3");
    edit->SetParent(panel);
    other = new TsEdit(form);
    other->SetBounds(20, 50, 160, 21);
    other->SetParent(panel);
    Screen(form->Handle());
  }

  TsPanel* panel = nullptr;
  TsEdit* edit = nullptr;
  TsEdit* other = nullptr;  // takes the focus away
};

enum class State { Normal, Hot, Focused, Disabled };

struct StateCase {
  const char* name;
  State state;
  bool hotColours;
};

TEST_F(SkinnedEdit, ColoursAndFrameFollowTheState) {
  const TsGeneralData& section = Section("EDIT");
  ASSERT_NE(section.Color, section.HotColor);
  const StateCase cases[] = {
      {"normal", State::Normal, false},
      {"hot", State::Hot, true},
      {"focused", State::Focused, true},
      {"disabled", State::Disabled, false},
  };
  const int h = edit->Height();
  TColor frames[4] = {};
  for (const StateCase& c : cases) {
    SCOPED_TRACE(c.name);
    switch (c.state) {
      case State::Normal:
        break;
      case State::Hot:
        edit->Perform(CM_MOUSEENTER);
        break;
      case State::Focused:
        edit->SetFocus();
        break;
      case State::Disabled:
        edit->SetEnabled(false);
        break;
    }
    auto screen = Screen(edit->Handle());
    EXPECT_EQ(edit->Color(), c.hotColours ? section.HotColor : section.Color);
    EXPECT_EQ(edit->Font().Color(), c.hotColours ? section.HotFontColor[0] : section.FontColor[0]);
    // The client area beyond the text shows the edit's colour; the frame what the cache holds.
    EXPECT_EQ(PixelOf(*screen, edit->Width() - 6, h / 2), ColorToRGB(edit->Color()));
    auto printed = Printed(edit->Handle());
    EXPECT_EQ(PixelOf(*screen, 0, h / 2), PixelOf(*printed, 0, h / 2));
    EXPECT_EQ(PixelOf(*screen, 0, h / 2), PixelOf(*edit->SkinData().CacheBmp(), 0, h / 2));
    frames[static_cast<int>(c.state)] = PixelOf(*screen, 0, h / 2);
    if (c.state == State::Focused) SaveScreenshot(*Screen(panel->Handle()), "focused-edit.png");
    // Back to normal.
    edit->Perform(CM_MOUSELEAVE);
    other->SetFocus();
    edit->SetEnabled(true);
  }
  EXPECT_EQ(frames[static_cast<int>(State::Hot)], frames[static_cast<int>(State::Focused)]);
  EXPECT_NE(frames[static_cast<int>(State::Normal)], frames[static_cast<int>(State::Hot)]);
  EXPECT_NE(frames[static_cast<int>(State::Normal)], frames[static_cast<int>(State::Disabled)]);
}

TEST_F(SkinnedEdit, ACustomColourIsKept) {
  edit->SkinData().SetCustomColor(true);
  edit->SetColor(clRed);
  auto screen = Screen(edit->Handle());
  EXPECT_EQ(edit->Color(), clRed);
  EXPECT_EQ(PixelOf(*screen, edit->Width() - 6, edit->Height() / 2), clRed);
}

TEST_F(SkinnedEdit, TheFrameIsRedrawnAtTheNewSize) {
  edit->SetBounds(20, 20, 100, 30);
  auto screen = Screen(edit->Handle());
  EXPECT_EQ(edit->SkinData().CacheBmp()->Width(), 100);
  EXPECT_EQ(PixelOf(*screen, 99, 15), PixelOf(*edit->SkinData().CacheBmp(), 99, 15));
}

TEST_F(SkinnedEdit, WithoutASkinItKeepsItsOwnColours) {
  manager->SetActive(false);
  Settle();
  EXPECT_EQ(ColorToRGB(edit->Color()), ColorToRGB(clWindow));
  EXPECT_FALSE(edit->SkinData().IsSkinned(true));
}

TEST_F(SkinnedEdit, TheBoundLabelStandsLeftOfTheEditAndFollowsIt) {
  TsBoundLabel& bound = edit->BoundLabel();
  bound.SetCaption("Parts");
  bound.SetActive(true);
  TsEditLabel* label = bound.Label();
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->Transparent());
  const auto placedLeft = [&] {
    EXPECT_EQ(label->Left() + label->Width(), edit->Left() - 4);
    EXPECT_EQ(label->Top(), edit->Top() + (edit->Height() - label->Height()) / 2 - 1);
  };
  placedLeft();
  edit->SetBounds(150, 30, 100, 25);
  placedLeft();
  edit->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  edit->SetVisible(false);
  EXPECT_FALSE(label->Visible());
}

}  // namespace
}  // namespace sundrel
