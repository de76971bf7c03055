// The skin commands that the control skin data answers for its control: which manager's commands
// it heeds, how a child gets its parent's picture, and the probes and colours that travel up a
// chain of parents.
#include <gtest/gtest.h>

#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "message_recorder.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "skin_command_records.h"
#include "skin_data_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;
using namespace sundrel::testing::message_flags;

class SkinCommandAnswers : public SkinDataTest {
 protected:
  // Over a gradient the glass shows its parent's picture; the opaque button does not.
  struct OverGradient {
    TSkinnedPanel* outer;
    TSkinnedPanel* glass;
    TSkinnedPanel* opaque;
  };
  OverGradient ControlsOverGradient() {
    TSkinnedPanel* outer = ButtonLikeChild(form, "gradient");
    outer->SetBounds(0, 0, 100, 80);
    return {outer, ButtonLikeChild(outer, "glass"), ButtonLikeChild(outer, "button")};
  }
};

TEST_F(SkinCommandAnswers, SkinSetRemovedAndRefreshAreHeededOnlyFromTheControlsOwnManager) {
  auto* other = new TsSkinManager(form);
  auto* panel = ChildOf<TSkinnedPanel>(form, "panel");
  panel->SetBounds(0, 0, 20, 10);
  panel->data.PrepareCache();
  const int panelIndex = panel->data.SkinIndex;
  TMessageRecorder log = SkinCommandRecorder();
  log.Watch(*form, "form", parent);

  struct Step {
    int code;
    TsSkinManager* from;
    int skinIndex;
    bool updating;
    int cacheWidth;
  };
  const Step steps[] = {
      {SMC_SKIN_REMOVED, other, panelIndex, false, 20},  // another manager's skin: untouched
      {SMC_SKIN_SET, other, panelIndex, false, 20},
      {SMC_SKIN_REMOVED, manager, -1, true, 0},
      {SMC_REFRESH, other, -1, true, 0},
      {SMC_SKIN_SET, manager, panelIndex, true, 0},
      {SMC_REFRESH, manager, panelIndex, false, 0},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(::testing::Message() << "code " << step.code << (step.from == manager ? " own" : " other"));
    panel->data.BGChanged = false;
    SendSkinCommandToControl(panel, step.code, Param(step.from));
    EXPECT_EQ(panel->data.SkinIndex, step.skinIndex);
    EXPECT_EQ(panel->data.Updating, step.updating);
    EXPECT_EQ(panel->data.CacheBmp()->Width(), step.cacheWidth);
    EXPECT_EQ(panel->data.BGChanged, step.from == manager && step.code != SMC_SKIN_REMOVED);
  }
  // Only the own manager's refresh of a skinned window asks the form to adapt the control.
  EXPECT_TRUE(SequenceMatches(OnlyCommand(log.Entries(), SMC_CONTROL_REFRESHED),
                              {Command("form", SMC_CONTROL_REFRESHED, Param(panel), sent | parent)}));
}

TEST_F(SkinCommandAnswers, TurningSeeThroughMakesTheCachedPictureStale) {
  auto* panel = ChildOf<TSkinnedPanel>(form, "panel");
  for (const int flag : {1, 0}) {
    SCOPED_TRACE(::testing::Message() << "flag " << flag);
    panel->data.BGChanged = false;
    SendSkinCommandToControl(panel, SMC_SET_PARENT_TRANSPARENT, 0, flag);
    EXPECT_EQ(panel->data.ParentTransparent, flag == 1);
    EXPECT_EQ(panel->data.BGChanged, flag == 1);
  }
}

TEST_F(SkinCommandAnswers, AChildGetsItsParentsPictureOnlyFromAParentWithSkinData) {
  auto* skinned = ChildOf<TSkinnedPanel>(form, "panel");
  skinned->SetBounds(10, 10, 40, 30);
  skinned->data.PrepareCache();
  auto* plain = ChildOf<TPanel>(form);
  auto* inSkinned = ChildOf<TSkinnedGraphic>(skinned, "button");
  auto* inPlain = ChildOf<TSkinnedGraphic>(plain, "button");
  auto* orphan = new TSkinnedGraphic(form);
  TMessageRecorder log = SkinCommandRecorder();
  log.Watch(*skinned, "skinned", parent);
  log.Watch(*plain, "plain", parent);

  const TacParentImage lent = inSkinned->data.GetParentImage();
  EXPECT_TRUE(lent.Ready);
  EXPECT_EQ(lent.Image.Row0, PixelsOfDibSection(skinned->data.CacheBmp()->Handle()).Row0);
  EXPECT_EQ(lent.Image.Width, 40);
  EXPECT_EQ(lent.X, 0) << "the asker adds its own place";
  EXPECT_EQ(lent.Y, 0);
  EXPECT_FALSE(inPlain->data.GetParentImage().Ready);
  EXPECT_FALSE(orphan->data.GetParentImage().Ready);
  EXPECT_FALSE(Shared().ParentImage.Ready) << "the shared record is as before";

  EXPECT_TRUE(SequenceMatches(log.Entries(), {Command("skinned", SMC_GET_CACHE, 0, sent | parent),
                                              Command("plain", SMC_GET_CACHE, 0, sent | parent)}));

  // A parent whose cache has no pixels yet lends nothing.
  skinned->SetBounds(10, 10, 0, 0);
  skinned->data.PrepareCache();
  EXPECT_FALSE(inSkinned->data.GetParentImage().Ready);
}

TEST_F(SkinCommandAnswers, TheBackgroundKindOfAFullyTransparentControlIsItsParents) {
  const TRecordedMessage glassAsked = Command("glass", SMC_GET_BG_KIND, 0, performed);
  const TRecordedMessage outerAsked = Command("outer", SMC_GET_BG_KIND, 0, performed | parent);
  const TRecordedMessage outerSent = Command("outer", SMC_GET_BG_KIND, 0, sent | parent);
  const TRecordedMessage glassSent = Command("glass", SMC_GET_BG_KIND, 0, sent);
  struct Case {
    const char* outerSection;
    bool notPlain;
    // A "no" in the record is asked again through the window, as for a window handler.
    TMessageSequence asked;
  };
  const Case cases[] = {
      {"gradient", true, {glassAsked, outerAsked}},
      {"button", false, {glassAsked, outerAsked, outerSent, glassSent, outerAsked, outerSent}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.outerSection);
    TSkinnedPanel* outer = ButtonLikeChild(form, c.outerSection);
    TSkinnedPanel* glass = ButtonLikeChild(outer, "glass");
    TMessageRecorder log = SkinCommandRecorder();
    log.Watch(*glass, "glass");
    log.Watch(*outer, "outer", parent);

    EXPECT_EQ(AskControl(glass, SMC_GET_BG_KIND), c.notPlain);
    EXPECT_TRUE(SequenceMatches(log.Entries(), c.asked));
  }
}

TEST_F(SkinCommandAnswers, AChildMustRebuildWhileItsParentDoes) {
  auto* outer = ChildOf<TSkinnedPanel>(form, "panel");
  auto* inner = ChildOf<TSkinnedGraphic>(outer, "button");
  inner->data.Updating = false;
  outer->data.Updating = false;
  outer->data.BGChanged = false;
  EXPECT_FALSE(inner->data.MustRebuild());
  EXPECT_FALSE(AskControl(outer, SMC_GET_BG_CHANGED));

  outer->data.BGChanged = true;
  EXPECT_TRUE(inner->data.MustRebuild());
  outer->data.BGChanged = false;
  outer->data.Updating = true;
  EXPECT_TRUE(inner->data.MustRebuild()) << "an updating parent must rebuild too";
  outer->data.Updating = false;
  inner->Perform(SM_SKINCMD, SkinCommandWParam(SMC_SET_UPDATING, 1));
  EXPECT_TRUE(inner->data.MustRebuild());
  inner->Perform(SM_SKINCMD, SkinCommandWParam(SMC_SET_UPDATING, 0));
  EXPECT_FALSE(inner->data.MustRebuild());
}

TEST_F(SkinCommandAnswers, TheColourAnswerMixesWithTheParentsColourByTransparency) {
  auto* outer = ChildOf<TSkinnedPanel>(form, "panel");  // red, opaque
  struct Case {
    const char* section;
    bool custom;
    TColor expected;
  };
  const Case cases[] = {
      {"button", false, 0x00FF00},                       // the section's colour
      {"button", true, 0x123456},                        // the control's own colour
      {"glass", false, kPanelColor},                     // the parent's colour
      {"tint", false, RGBColor((50 * 255) >> 8, 0, 0)},  // 50 out of 256 of the parent over black
      {"missing", false, 0x123456},                      // not skinned: the own colour
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    auto* child = ChildOf<TSkinnedPanel>(outer, c.section);
    child->SetColor(0x123456);
    child->data.SetCustomColor(c.custom);
    EXPECT_EQ(GetParentColor(child), c.expected);
    EXPECT_EQ(Shared().BackFillColor, clFuchsia) << "the slot is as before";
  }

  // A plain parent answers with its own colour: the transparent child shows it.
  auto* plain = ChildOf<TPanel>(form);
  plain->SetColor(0x0A0B0C);
  auto* glass = ChildOf<TSkinnedPanel>(plain, "glass");
  EXPECT_EQ(GetParentColor(glass), 0x0A0B0C);
}

TEST_F(SkinCommandAnswers, ABackgroundChangePassesThroughSeeThroughControlsToTheirChildren) {
  const auto [outer, glass, opaque] = ControlsOverGradient();
  auto* inGlass = ChildOf<TSkinnedGraphic>(glass, "button");
  auto* inOpaque = ChildOf<TSkinnedGraphic>(opaque, "button");
  for (TsCommonData* data : {&glass->data, &opaque->data}) data->BGChanged = false;
  TMessageRecorder log = SkinCommandRecorder();
  log.Watch(*inGlass, "inGlass");
  log.Watch(*inOpaque, "inOpaque");

  SendSkinCommandToControl(glass, SMC_BG_CHANGED);
  SendSkinCommandToControl(opaque, SMC_BG_CHANGED);

  EXPECT_TRUE(glass->data.BGChanged);
  EXPECT_FALSE(opaque->data.BGChanged);
  EXPECT_TRUE(SequenceMatches(log.Entries(), {Command("inGlass", SMC_BG_CHANGED, 0, performed)}));
}

TEST_F(SkinCommandAnswers, MovingOrResizingTellsWhoseBackgroundChanged) {
  const auto [outer, glass, opaque] = ControlsOverGradient();
  auto* graphic = ChildOf<TSkinnedGraphic>(outer, "button");
  auto* pinned = ChildOf<TSkinnedPanel>(outer, "button");
  pinned->SetAnchors(akLeft | akTop | akRight);
  TMessageRecorder log = SkinCommandRecorder();
  for (auto [control, name] : {std::pair<TControl*, const char*>{glass, "glass"},
                               {opaque, "opaque"},
                               {graphic, "graphic"},
                               {pinned, "pinned"}}) {
    log.Watch(*control, name);
  }
  const auto redrawNow = [](const char* name, unsigned how) {
    return TRecordedMessage{name, SM_SKINCMD, how | wparam | lparam, SkinCommandWParam(SMC_BG_CHANGED, 1), 0};
  };

  // The glass shows the gradient behind it, so moving it changes its picture; the opaque
  // button's picture stays.
  glass->SetBounds(5, 5, 20, 20);
  opaque->SetBounds(30, 5, 20, 20);
  EXPECT_TRUE(SequenceMatches(OnlyCommand(log.Entries(), SMC_BG_CHANGED), {redrawNow("glass", sent)}));

  // A gradient stretches with its control: the children that keep their place on its left and
  // top stand on another part of it now.
  log.Clear();
  outer->SetBounds(0, 0, 120, 90);
  EXPECT_TRUE(SequenceMatches(OnlyCommand(log.Entries(), SMC_BG_CHANGED),
                              {redrawNow("glass", sent), redrawNow("opaque", sent), redrawNow("graphic", performed)}));
}

}  // namespace
}  // namespace sundrel
