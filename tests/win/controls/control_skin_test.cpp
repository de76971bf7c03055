// A control's picture against its parent, with the program's own skin: a "BUTTON" is half
// transparent (30 percent while hot) over a vertical gradient, and its border's corners have
// holes that must show what lies behind the button.
#include "controls/control_skin.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "controls/cache_copy.h"
#include "paint/dc_paint_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "tidewater_controls.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr TColor kBlack = 0x000000, kWhite = 0xFFFFFF, kBlue = 0xFF0000;
constexpr TColor kMarker = 0x123456;  // the parent's pixel under the button's top-left corner
constexpr TColor kPanelSectionColor = 15984862;
// Inside the border's 9-pixel strips, where the background shows.
constexpr int kInsideX = 56, kInsideTop = 9, kInsideBottom = 15;

class ControlSkin : public TidewaterControls {
 protected:
  void ParentWithMarker(TColor colour) {
    FillParent(colour);
    SetPixelV(parent->data.CacheBmp()->Canvas().Handle(), kButtonLeft, kButtonTop, static_cast<COLORREF>(kMarker));
  }
  void PaintButton(int state) {
    PaintControlSkin(button->data, button->data.GetParentImage(), false, true, Cache(), {kButtonLeft, kButtonTop},
                     {0, 0, kButtonWidth, kButtonHeight}, state);
  }
  TBitmap& Cache() { return *button->data.CacheBmp(); }
  // A "BUTTON" at (5, 5) on a panel without skin data.
  TSkinnedPanel* ButtonOnPlainPanel() {
    auto* plain = ChildOf<TPanel>(form);
    plain->SetBounds(0, 0, 200, 100);
    auto* child = ButtonLikeChild(plain, "BUTTON");
    child->SetBounds(5, 5, kButtonWidth, kButtonHeight);
    child->data.PrepareCache();
    return child;
  }
};

TEST_F(ControlSkin, AButtonShowsItsParentInACornerHoleAndItsGradientMixedWithTheParentInside) {
  struct Case {
    int state;
    int parentPercent;
  };
  for (const Case& c : {Case{0, 50}, Case{1, 30}}) {
    SCOPED_TRACE(c.state);
    ASSERT_EQ(Skin().MasterBitmap().Pixel(ButtonBorder().R.Left + c.state * 27, ButtonBorder().R.Top), clFuchsia);
    ParentWithMarker(kBlack);
    PaintButton(c.state);
    EXPECT_EQ(PixelOf(Cache(), 0, 0), kMarker) << "the hole shows the parent's pixel at the button's place";
    const TColor onBlack = PixelOf(Cache(), kInsideX, kInsideTop);
    EXPECT_GT(RedOf(onBlack), RedOf(PixelOf(Cache(), kInsideX, kInsideBottom)))
        << "the gradient runs from white at the top towards blue";

    ParentWithMarker(kWhite);
    PaintButton(c.state);
    const TColor onWhite = PixelOf(Cache(), kInsideX, kInsideTop);
    for (int shift : {0, 8, 16}) {
      const int parentShare = ((onWhite >> shift) & 0xFF) - ((onBlack >> shift) & 0xFF);
      EXPECT_LE(std::abs(parentShare - c.parentPercent * 255 / 100), 2) << "channel at bit " << shift;
    }
  }
}

TEST_F(ControlSkin, OverAParentWithoutSkinDataTheTransparentPartsTakeTheParentsColour) {
  TSkinnedPanel* child = ButtonOnPlainPanel();
  TBitmap& cache = *child->data.CacheBmp();
  TColor inside[2] = {};
  const TColor colours[2] = {0x0080FF, 0x00FF80};
  for (int i = 0; i < 2; ++i) {
    child->Parent()->SetColor(colours[i]);
    const TacParentImage none = child->data.GetParentImage();
    ASSERT_FALSE(none.Ready);
    PaintControlSkin(child->data, none, false, true, cache, {5, 5}, {0, 0, kButtonWidth, kButtonHeight}, 0);
    EXPECT_EQ(PixelOf(cache, 0, 0), colours[i]) << "a corner hole";
    inside[i] = PixelOf(cache, kInsideX, kInsideTop);
  }
  EXPECT_EQ(inside[0], inside[1]) << "without a picture behind it, the button's own surface is not mixed";
}

TEST_F(ControlSkin, ThePaintingColoursEndAsTheyWereAlsoWhenThePaintingThrows) {
  // The parent answers the button's question about its background after writing the slots, as a
  // careless control might; then it fails, or not.
  bool fail = false;
  const TRemovalToken careless = parent->MessageHooks().Add([&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == SM_SKINCMD && HIWORD(message.WParam) == SMC_GET_BG_KIND) {
      Shared().BackFillColor = kBlue;
      Shared().KeyFillColor = kBlue;
      if (fail) throw std::runtime_error("the parent failed");
    }
    passOn(message);
  });
  for (bool throws : {false, true}) {
    SCOPED_TRACE(throws);
    fail = throws;
    if (throws) {
      EXPECT_THROW(PaintButton(0), std::runtime_error);
    } else {
      PaintButton(0);
    }
    EXPECT_EQ(Shared().BackFillColor, clFuchsia);
    EXPECT_EQ(Shared().KeyFillColor, clFuchsia);
  }
}

TEST_F(ControlSkin, RepairedCornersTakeTheParentsColourOrItsPicture) {
  struct Case {
    const char* name;
    TColor outerBackFill;  // what a painting around the copy set
    bool rebuilding;
    TColor hole;
  };
  const Case cases[] = {
      {"the parent's answer to SMC_GET_COLOR", clFuchsia, false, kPanelSectionColor},
      {"BackFillColor set around the copy", kBlue, false, kMarker},
      {"the picture is being rebuilt", clFuchsia, true, kMarker},
  };
  TBitmap target(kButtonWidth, kButtonHeight);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ParentWithMarker(kBlack);
    FillRectSolid(Cache().Canvas().Handle(), TRect{0, 0, kButtonWidth, kButtonHeight}, kBlue);
    button->data.Updating = c.rebuilding;
    {
      const SlotScope<TColor> outer(Shared().BackFillColor, c.outerBackFill);
      TCacheCopy copy{TRect{0, 0, kButtonWidth, kButtonHeight}};
      copy.Repair = true;
      CopyCacheToDC(button, button->data, copy, target.Canvas().Handle(), TRect{0, 0, kButtonWidth, kButtonHeight});
      EXPECT_EQ(Shared().BackFillColor, c.outerBackFill);
    }
    EXPECT_EQ(PixelOf(Cache(), 0, 0), c.hole);
    EXPECT_EQ(PixelOf(target, 0, 0), c.hole) << "repaired before the copy";
    EXPECT_EQ(PixelOf(Cache(), kInsideX, kInsideTop), kBlue) << "only holes are repaired";
  }
}

TEST_F(ControlSkin, RepairedCornersOverAParentWithoutSkinDataTakeItsColour) {
  TSkinnedPanel* child = ButtonOnPlainPanel();
  child->Parent()->SetColor(0x0080FF);
  ASSERT_EQ(Skin().MasterBitmap().Pixel(ButtonBorder().R.Left + 26, ButtonBorder().R.Top + 26), clFuchsia);
  FillRectSolid(child->data.CacheBmp()->Canvas().Handle(), TRect{0, 0, kButtonWidth, kButtonHeight}, kBlue);
  RepairCorners(child->data, 0);
  EXPECT_EQ(PixelOf(*child->data.CacheBmp(), 0, 0), 0x0080FF);
  EXPECT_EQ(PixelOf(*child->data.CacheBmp(), kButtonWidth - 1, kButtonHeight - 1), 0x0080FF);
}

}  // namespace
}  // namespace sundrel
