// The main window gives its panel, labels and edits what its layout says: the "PANEL" and "EDIT"
// sections, inactive bound labels in the small font, and the credits label's kind and shadow,
// which under the stored skin give way to the skin's shadow.
#include <gtest/gtest.h>

#include "app/umain.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

class MainWindowSkin : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<Tfrmmain>();
    form->HandleNeeded();
  }

  Tfrmmain* form = nullptr;
};

TEST_F(MainWindowSkin, PanelAndEditsArePaintedByTheirSections) {
  EXPECT_EQ(form->sPanel1->SkinData().SkinSection(), "PANEL");
  EXPECT_TRUE(form->sPanel1->SkinData().IsSkinned(true));
  for (TsEdit* edit : {form->sedt1, form->sedt2}) {
    SCOPED_TRACE(edit->Name());
    EXPECT_EQ(edit->SkinData().SkinSection(), "EDIT");
    EXPECT_TRUE(edit->SkinData().IsSkinned(true));
    // Stored white, shown in the section's colour.
    EXPECT_EQ(edit->Color(), edit->SkinData().Section()->Color);
    TsBoundLabel& bound = edit->BoundLabel();
    EXPECT_FALSE(bound.Active());
    EXPECT_EQ(bound.Layout(), sclLeft);
    EXPECT_EQ(bound.Indent(), 0);
    EXPECT_EQ(bound.MaxWidth(), 0);
    EXPECT_EQ(bound.Font().Name(), "MS Sans Serif");
    EXPECT_EQ(bound.Font().Height(), -11);
    EXPECT_EQ(bound.Font().Color(), clWindowText);
  }
}

TEST_F(MainWindowSkin, TheCreditsLabelTakesTheSkinsShadowAndKeepsItsRedText) {
  TsLabelFX& credits = *form->sLabelFX1;
  EXPECT_EQ(credits.Kind().KindType(), ktStandard);
  EXPECT_EQ(credits.Kind().Color(), clBlack);
  EXPECT_EQ(credits.Shadow().Mode(), smSkin1);
  EXPECT_EQ(credits.Shadow().Color(), clRed);
  EXPECT_EQ(credits.Shadow().BlurCount(), 8);
  EXPECT_EQ(credits.Shadow().Distance(), 2);
  const TsShadowParams shown = credits.Shadow().Resolve();
  EXPECT_EQ(shown.Color, 13022873);
  EXPECT_EQ(shown.BlurCount, 2);
  EXPECT_EQ(shown.Distance, 3);
  EXPECT_EQ(credits.Color(), clRed);
}

}  // namespace
}  // namespace sundrel
