// The control skin data's own rules: how the section is stored and chosen, the state it reports,
// the hot flag under the mouse, and the colours of edit-like controls.
#include <gtest/gtest.h>

#include "controls/s_common_data.h"
#include "message_recorder.h"
#include "skin/manager/skin_command_win32.h"
#include "skin_command_records.h"
#include "skin_data_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;
using namespace sundrel::testing::message_flags;

// A control of a kind without a section of its own: its class name names its section.
class TComboLike : public TSkinnedPanel {
 public:
  explicit TComboLike(TComponent* owner) : TSkinnedPanel(owner, kKindComboBox) {}
};

using CommonDataTest = SkinDataTest;

TEST_F(CommonDataTest, TheSectionIsStoredUpperCasedAndAnEmptyNameIsUnknownToTheSkin) {
  struct Case {
    const char* assigned;
    const char* stored;
    bool inSkin;
  };
  const Case cases[] = {{"panel", "PANEL", true}, {"", "UNKNOWN", false}, {"Tint", "TINT", true}};
  auto* panel = ChildOf<TSkinnedPanel>(form);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.assigned);
    panel->data.SetSkinSection(c.assigned);
    EXPECT_EQ(panel->data.SkinSection(), c.stored);
    EXPECT_EQ(panel->data.IsSkinned(), c.inSkin);
    EXPECT_EQ(panel->data.SkinIndex, manager->GetSkinIndex(c.stored));
  }
}

TEST_F(CommonDataTest, ANewSectionTellsTheControlWhetherItIsSkinnedNow) {
  auto* panel = ChildOf<TSkinnedPanel>(form);
  auto* orphan = new TSkinnedGraphic(form);  // no parent: nobody to repaint it
  TMessageRecorder log = SkinCommandRecorder();
  log.Watch(*panel, "panel");
  log.Watch(*orphan, "orphan");

  panel->data.SetSkinSection("panel");
  panel->data.SetSkinSection("PANEL");  // unchanged: nothing to tell
  panel->data.SetSkinSection("missing");
  orphan->data.SetSkinSection("panel");

  EXPECT_TRUE(
      SequenceMatches(OnlyCommand(log.Entries(), SMC_REFRESH), {Command("panel", SMC_REFRESH, Param(manager), sent)}));
  EXPECT_TRUE(SequenceMatches(OnlyCommand(log.Entries(), SMC_SKIN_REMOVED),
                              {Command("panel", SMC_SKIN_REMOVED, Param(manager), sent)}));
}

TEST_F(CommonDataTest, AnotherManagerAndAnUpdateAreToldToTheControl) {
  auto* other = new TsSkinManager(form);  // no skin
  auto* panel = ChildOf<TSkinnedPanel>(form, "panel");
  TMessageRecorder log = SkinCommandRecorder();
  log.Watch(*panel, "panel");

  panel->data.SetSkinManager(other);
  EXPECT_EQ(panel->data.SkinIndex, -1);
  panel->data.SetSkinManager(manager);
  EXPECT_EQ(panel->data.SkinManager(), nullptr) << "the default manager is not stored";
  EXPECT_EQ(panel->data.SkinIndex, manager->GetSkinIndex("PANEL"));
  panel->data.BeginUpdate();
  EXPECT_TRUE(panel->data.Updating);
  panel->data.EndUpdate();
  EXPECT_FALSE(panel->data.Updating);

  EXPECT_TRUE(SequenceMatches(
      log.Entries(),
      {Command("panel", SMC_SKIN_REMOVED, Param(other), sent), Command("panel", SMC_REFRESH, Param(manager), sent),
       Command("panel", SMC_BEGIN_UPDATE, 0, sent), Command("panel", SMC_END_UPDATE, 0, sent)}));
}

TEST_F(CommonDataTest, LoadingWithoutASectionTakesTheSectionOfTheControlKind) {
  struct Case {
    int kind;
    const char* section;
  };
  const Case cases[] = {{kKindButton, "BUTTON"}, {kKindPanel, "PANEL"}, {kKindEdit, "EDIT"},
                        {kKindListBox, "EDIT"},  {52, "PANEL_LOW"},     {kKindPageControl, "PAGECONTROL"},
                        {kKindBitBtn, "BUTTON"}, {165, "TRACKBAR"},     {kKindSpeedButton, "SPEEDBUTTON"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    auto* control = new TSkinnedPanel(form, c.kind);
    control->data.Loaded();
    EXPECT_EQ(control->data.SkinSection(), c.section);
    EXPECT_EQ(control->data.SkinIndex, manager->GetSkinIndex(c.section));
  }

  auto* combo = new TComboLike(form);
  combo->data.Loaded();
  EXPECT_EQ(combo->data.SkinSection(), "TCOMBOLIKE") << "a kind without a section takes the class name";

  auto* named = new TSkinnedPanel(form, kKindButton);
  named->data.SetSkinSection("tint");
  named->data.Loaded();
  EXPECT_EQ(named->data.SkinSection(), "TINT") << "a named section stays";
}

TEST_F(CommonDataTest, TheStateIsHotOrFocusedOnlyForEnabledControlsAndNeverHotForContainers) {
  struct Case {
    bool enabled;
    bool hot;
    bool focused;
    int kind;
    int state;
  };
  const Case cases[] = {
      {true, false, false, kKindButton, 0}, {true, true, false, kKindButton, 1}, {true, true, false, kKindPanel, 0},
      {true, false, true, kKindPanel, 1},   {false, true, true, kKindButton, 0}, {true, true, false, 110, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "enabled " << c.enabled << " hot " << c.hot << " focused " << c.focused
                                      << " kind " << c.kind);
    auto* control = ChildOf<TSkinnedGraphic>(form);
    control->data.ControlKind = c.kind;
    control->SetEnabled(c.enabled);
    control->data.Hot = c.hot;
    control->data.Focused = c.focused;
    EXPECT_EQ(control->data.CurrentState(), c.state);
  }
  EXPECT_EQ(TsCommonData(nullptr, false).CurrentState(), 0) << "no owner";
}

TEST_F(CommonDataTest, TheMouseMakesAControlHotAndOnlyContainersKeepItWhenItLeaves) {
  struct Case {
    int kind;
    bool hotAfterLeaving;
  };
  for (const Case& c : {Case{kKindButton, false}, Case{kKindPanel, true}}) {
    SCOPED_TRACE(c.kind);
    auto* control = ChildOf<TSkinnedPanel>(form, "button");
    control->data.ControlKind = c.kind;
    control->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(control->data.Hot);
    EXPECT_EQ(manager->ActiveControl(), control->Handle()) << "the manager knows the control under the mouse";
    control->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(control->data.Hot, c.hotAfterLeaving);
  }
  // A notification about a child (LParam names it) is not the control's own.
  auto* container = ChildOf<TSkinnedPanel>(form, "panel");
  container->Perform(CM_MOUSEENTER, 0, Param(form));
  EXPECT_FALSE(container->data.Hot);
}

TEST_F(CommonDataTest, EditLikeControlsTakeTheSectionColoursUnlessCustomAndGetNativeOnesBack) {
  auto* edit = ChildOf<TSkinnedEdit>(form);
  edit->data.ControlKind = kKindEdit;
  edit->data.Loaded();
  EXPECT_EQ(edit->Color(), kEditColor);
  EXPECT_EQ(edit->Font().Color(), kEditFontColor);

  edit->SetColor(0x123456);
  edit->data.SetCustomColor(true);
  SendSkinCommandToControl(edit, SMC_SKIN_REMOVED, Param(manager));
  EXPECT_EQ(edit->Color(), 0x123456) << "a custom colour stays when the skin goes";
  EXPECT_EQ(edit->Font().Color(), clWindowText);

  edit->data.UpdateIndexes();
  SendSkinCommandToControl(edit, SMC_REFRESH, Param(manager));
  EXPECT_EQ(edit->Color(), 0x123456);
  EXPECT_EQ(edit->Font().Color(), kEditFontColor);

  // A panel is not edit-like: its colours are its own business.
  auto* panel = ChildOf<TSkinnedPanel>(form, "edit");
  panel->SetColor(0x010203);
  panel->data.Loaded();
  EXPECT_EQ(panel->Color(), 0x010203);
}

TEST_F(CommonDataTest, TheCacheTakesTheOwnersSizeAndTheSkinsGoingEmptiesIt) {
  auto* panel = ChildOf<TSkinnedPanel>(form, "panel");
  panel->SetBounds(0, 0, 30, 20);
  panel->data.PrepareCache();
  ASSERT_NE(panel->data.CacheBmp(), nullptr);
  EXPECT_EQ(panel->data.CacheBmp()->Width(), 30);
  EXPECT_EQ(panel->data.CacheBmp()->Height(), 20);
  EXPECT_EQ(panel->data.CacheBmp()->PixelFormat(), TPixelFormat::pf24bit);

  manager->SetActive(false);
  EXPECT_EQ(panel->data.CacheBmp()->Width(), 0);
  EXPECT_EQ(panel->data.SkinIndex, -1);
  EXPECT_EQ(panel->data.BorderIndex, -1);
  EXPECT_TRUE(panel->data.MustRebuild()) << "no skin, nothing to trust";
}

}  // namespace
}  // namespace sundrel
