// The caption label of an edit: made on the edit's parent when activated, named and captioned
// after the edit, and placed by its layout.
#include <gtest/gtest.h>

#include "controls/s_bound_label.h"
#include "framework/edit.h"
#include "framework/forms.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

class BoundLabel : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    form->SetBounds(0, 0, 400, 300);
    edit = new TEdit(form);
    edit->SetName("Edit1");
    edit->SetParent(form);
    edit->SetBounds(150, 100, 80, 21);
    form->HandleNeeded();
    bound = std::make_unique<TsBoundLabel>(edit, nullptr);
  }
  void TearDown() override {
    bound.reset();
    FrameworkTest::TearDown();
  }

  TForm* form = nullptr;
  TEdit* edit = nullptr;
  std::unique_ptr<TsBoundLabel> bound;
};

TEST_F(BoundLabel, ActivatingMakesTheLabelOnTheEditsParentAndDeactivatingFreesIt) {
  bound->SetActive(true);
  TsEditLabel* label = bound->Label();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(label->Owner(), edit);
  EXPECT_EQ(label->FocusControl(), edit);
  EXPECT_EQ(label->Name(), "Edit1Label");
  EXPECT_EQ(label->Caption(), "Edit1") << "without a caption the label shows the edit's name";
  EXPECT_TRUE(label->Visible());
  bound->SetCaption("Name:");
  EXPECT_EQ(label->Caption(), "Name:");

  bound->SetActive(false);
  EXPECT_EQ(bound->Label(), nullptr);
  EXPECT_EQ(edit->ComponentCount(), 0);
  EXPECT_EQ(form->ControlCount(), 1);
}

TEST_F(BoundLabel, EachLayoutPlacesAndAlignsTheLabelAroundTheEdit) {
  bound->SetCaption("Name:");
  bound->SetActive(true);
  const TsEditLabel& label = *bound->Label();
  const int w = label.Width();
  const int h = label.Height();
  ASSERT_GT(w, 0);
  struct Case {
    TsCaptionLayout layout;
    int indent;
    int left;
    int top;
    TAlignment alignment;
  };
  const Case cases[] = {
      {sclLeft, 0, 150 - w - 4, 100 + (21 - h) / 2 - 1, taRightJustify},
      {sclLeft, 3, 150 - w - 3 - 4, 100 + (21 - h) / 2 - 1, taRightJustify},
      {sclTopLeft, 2, 150, 100 - h - 2, taLeftJustify},
      {sclTopCenter, 0, 150 + (80 - w) / 2, 100 - h, taCenter},
      {sclTopRight, 1, 150 + 80 - w, 100 - h - 1, taRightJustify},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "layout " << c.layout << " indent " << c.indent);
    bound->SetIndent(c.indent);
    bound->SetLayout(c.layout);
    EXPECT_EQ(label.Left(), c.left);
    EXPECT_EQ(label.Top(), c.top);
    EXPECT_EQ(label.Width(), w);
    EXPECT_EQ(label.Alignment(), c.alignment);
  }
}

TEST_F(BoundLabel, AWidthLimitWrapsTheTextAndGivesTheLabelAtLeastTheEditsHeight) {
  bound->SetCaption("A caption far too long for forty pixels");
  bound->SetLayout(sclTopLeft);
  bound->SetActive(true);
  const TsEditLabel& label = *bound->Label();
  const int oneLine = label.Height();

  bound->SetMaxWidth(40);
  EXPECT_EQ(label.Width(), 40);
  EXPECT_TRUE(label.WordWrap());
  EXPECT_FALSE(label.AutoSize());
  EXPECT_EQ(label.Height(), std::max(oneLine, 21));

  bound->SetMaxWidth(0);
  EXPECT_GT(label.Width(), 40) << "without a limit the label takes its text's width again";
}

TEST_F(BoundLabel, AnInvisibleLabelIsNotMoved) {
  edit->SetVisible(false);
  bound->SetActive(true);
  TsEditLabel& label = *bound->Label();
  EXPECT_FALSE(label.Visible());
  label.SetBounds(1, 2, label.Width(), label.Height());
  bound->SetLayout(sclTopRight);
  EXPECT_EQ(label.Left(), 1);
  EXPECT_EQ(label.Top(), 2);
}

}  // namespace
}  // namespace sundrel
