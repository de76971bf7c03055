// The main window's skin manager: created after the window's controls, it loads the program's own
// skin and announces it before the window's OnCreate runs, and its announcements reach every control of the window.
#include <gtest/gtest.h>

#include "app/umain.h"
#include "framework_test_support.h"
#include "skin/manager/skin_command_win32.h"
#include "skin_command_records.h"

namespace sundrel {
namespace {

using sundrel::testing::SkinCommandRecorder;
using sundrel::testing::TMessageRecorder;

class MainWindowSkin : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<Tfrmmain>();
  }
  Tfrmmain* form = nullptr;
  TMessageRecorder log = SkinCommandRecorder();
};

TEST_F(MainWindowSkin, StartsWithTheProgramsOwnSkinLoadedAndAnnounced) {
  TsSkinManager* manager = form->sSkinManager1;
  EXPECT_EQ(form->FindComponent("sSkinManager1"), manager);
  EXPECT_EQ(DefaultManager(), manager);
  EXPECT_EQ(manager->SkinName(), "Tidewater (internal)");
  EXPECT_EQ(manager->SkinInfo(), "5.4");
  EXPECT_EQ(manager->SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(manager->Version(), "5.40");
  EXPECT_GE(manager->GetSkinIndex("BUTTON"), 0);
  // The automatic skinning's hook goes in only when the skin is announced.
  EXPECT_TRUE(manager->HookInstalled());
  EXPECT_EQ(manager->MenuSupport().IcoLineSkin, "ICOLINE");
  EXPECT_EQ(manager->MenuSupport().ExtraLineFont().Name(), "MS Sans Serif");
  EXPECT_EQ(manager->MenuSupport().ExtraLineFont().Height(), -11);
}

TEST_F(MainWindowSkin, AnnouncementsReachEveryControlOfTheWindow) {
  form->HandleNeeded();
  std::vector<TControl*> controls;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    if (auto* control = dynamic_cast<TControl*>(form->Components(i))) {
      controls.push_back(control);
      log.Watch(*control, control->Name());
    }
  }
  ASSERT_GT(controls.size(), 15u);

  form->sSkinManager1->AnnounceSkin();

  // None of the window's controls is skinned yet: windowed ones are asked and passed through,
  // windowless ones hear the command itself.
  for (TControl* control : controls) {
    SCOPED_TRACE(control->Name());
    int asked = 0, told = 0;
    for (const auto& entry : log.Entries()) {
      if (entry.window != control->Name()) continue;
      asked += SkinCommandCode(entry.wParam) == SMC_IS_SKINNED;
      told += SkinCommandCode(entry.wParam) == SMC_SKIN_SET;
    }
    if (dynamic_cast<TWinControl*>(control) != nullptr) {
      EXPECT_GT(asked, 0);
    } else {
      EXPECT_EQ(told, 1);
    }
  }
}

}  // namespace
}  // namespace sundrel
