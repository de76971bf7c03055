// The page control's picture: the pages' frame from the section of the tab position, the tabs
// from theirs, the active tab larger than the others and over the frame, the hot tab while the
// mouse is over it.
#include <gtest/gtest.h>

#include <functional>

#include "page_fixture.h"
#include "skin/model/skin_model.h"

namespace sundrel {
namespace {

using testing::Differ;
using testing::PageControlTest;
using testing::SaveScreenshot;
using testing::ScreenPicture;

TColor SectionColour(const TsSkinManager& manager, const char* section) {
  return manager.Skin().Sections()[static_cast<size_t>(manager.GetSkinIndex(section))].Color;
}

TEST_F(PageControlTest, TheFrameIsPaintedFromTheSectionOfTheTabPosition) {
  struct Case {
    const char* skinSection;
    TTabPosition position;
    const char* frameSection;
    const char* screenshot;
  };
  const Case cases[] = {
      {"PAGECONTROL", tpTop, "PAGECONTROL", nullptr},
      {"PAGECONTROL", tpBottom, "PAGECONTROLBOTTOM", "page-control-tabs-bottom.png"},
      {"PAGECONTROL", tpLeft, "PAGECONTROLLEFT", "page-control-tabs-left.png"},
      {"CALCPANEL", tpBottom, "CALCPANEL", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frameSection);
    pages->SkinData().SetSkinSection(c.skinSection);
    pages->SetTabPosition(c.position);
    EXPECT_EQ(pages->EffectiveClientSection(), c.frameSection);
    EXPECT_EQ(pages->SkinData().SkinSection(), c.skinSection) << "the tab position does not rename the section";
    if (c.screenshot != nullptr) SaveScreenshot(form->Handle(), c.screenshot);
    // The pages' middle is the frame's background: the border leaves its centre alone.
    const TRect frame = pages->ClientFrameRect();
    auto picture = Picture();
    const int middle = (frame.Left + frame.Right) / 2;
    EXPECT_EQ(PixelOf(*picture, middle, (frame.Top + frame.Bottom) / 2), SectionColour(*manager, c.frameSection));
    EXPECT_EQ(PixelOf(*picture, middle, frame.Top + 10), SectionColour(*manager, c.frameSection))
        << "the picture follows the tabs to their new side";
  }
}

TEST_F(PageControlTest, TheActiveTabIsLargerThanTheOthersAndDrawnInItsOwnState) {
  const TRect normal = pages->TabRect(1, false);
  const TRect active = pages->TabRect(1, true);
  EXPECT_EQ(active.Left, normal.Left - 2);
  EXPECT_EQ(active.Right, normal.Right + 3);
  EXPECT_LT(active.Top, normal.Top);
  EXPECT_GT(active.Bottom, pages->ClientFrameRect().Top) << "the active tab reaches over the frame's edge";

  auto asNormal = Picture();
  pages->SetActivePage(two);
  auto asActive = Picture();
  const TRect inside{normal.Left + 4, normal.Top + 4, normal.Right - 4, normal.Top + 8};
  EXPECT_TRUE(Differ(*asNormal, *asActive, inside)) << "the active state has a look of its own";
  pages->SetActivePage(one);
  EXPECT_FALSE(Differ(*asNormal, *Picture(), pages->TabStripRect())) << "back to normal when the page goes";
}

TEST_F(PageControlTest, RenamingOrAddingAPageShowsItsTabAtOnce) {
  struct Case {
    const char* what;
    std::function<void()> change;
  };
  const Case cases[] = {
      {"renamed", [this] { two->SetCaption("A longer second page"); }},
      {"added",
       [this] {
         auto* three = new TsTabSheet(form);
         three->SetCaption("Three");
         three->SetPageControl(pages);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Picture();
    c.change();
    auto shown = Picture();
    pages->SkinData().BGChanged = true;
    EXPECT_FALSE(Differ(*shown, *Picture(), pages->TabStripRect())) << "the tabs were painted from a stale picture";
  }
}

TEST_F(PageControlTest, TheTabUnderTheMouseIsHotOnlyWithHotTracking) {
  for (const bool hotTrack : {true, false}) {
    SCOPED_TRACE(hotTrack ? "hot tracking" : "no hot tracking (the main window)");
    pages->SetHotTrack(hotTrack);
    const TRect tab = pages->TabRect(1, false);
    auto before = ScreenPicture(pages->Handle());
    const POINT over = TabCentre(1);
    SendMessageW(pages->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(pages->HotTab(), hotTrack ? 1 : -1);
    auto hot = ScreenPicture(pages->Handle());
    EXPECT_EQ(Differ(*before, *hot, tab), hotTrack);
    EXPECT_EQ(Differ(*before, *Picture(), tab), hotTrack) << "a repaint keeps the hot tab";

    const TRect frame = pages->ClientFrameRect();
    SendMessageW(pages->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(frame.Left + 20, frame.Top + 20));
    EXPECT_EQ(pages->HotTab(), -1);
    EXPECT_FALSE(Differ(*before, *ScreenPicture(pages->Handle()), tab)) << "leaving the tabs leaves no hot tab";
  }
}

}  // namespace
}  // namespace sundrel
