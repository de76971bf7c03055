// The skinned panel shows its "PANEL" picture with its windowless children over it, and leaves
// no chance to flicker: erase-background is swallowed while a skin paints.
#include <gtest/gtest.h>

#include "controls/s_edit.h"
#include "controls/s_label.h"
#include "controls/s_panel.h"
#include "tidewater_form.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class SkinnedPanel : public TidewaterForm {
 protected:
  void SetUp() override {
    TidewaterForm::SetUp();
    panel = AddPanel(10, 10, 300, 60);
    ASSERT_TRUE(panel->SkinData().IsSkinned(true));
    ASSERT_EQ(panel->SkinData().SkinSection(), "PANEL");
  }

  TsLabel* RedLabel(int left, int top) {
    auto* label = new TsLabel(form);
    label->SetAutoSize(false);
    label->SetBounds(left, top, 60, 20);
    label->SetCaption("WWWW");
    label->SetUseSkinColor(false);
    label->SetParent(panel);
    label->Font().SetColor(clRed);
    return label;
  }

  TsPanel* panel = nullptr;
};

// Red text drawn over the picture, smoothed at its edges: every channel moved towards red.
bool RedOver(TColor shown, TColor under) {
  return shown != under && RedOf(shown) >= RedOf(under) && GreenOf(shown) < GreenOf(under) &&
         BlueOf(shown) < BlueOf(under);
}

TEST_F(SkinnedPanel, ShowsItsGradientWithTransparentLabelsOverIt) {
  TsLabel* label = RedLabel(20, 20);
  auto screen = Screen(panel->Handle());
  TBitmap& cache = *panel->SkinData().CacheBmp();
  ASSERT_EQ(cache.Width(), 300);
  // The section's vertical gradient: the top and bottom rows differ, and the screen shows them.
  EXPECT_NE(PixelOf(cache, 150, 3), PixelOf(cache, 150, 56));
  for (const POINT p : {POINT{150, 3}, POINT{150, 56}, POINT{5, 30}}) {
    EXPECT_EQ(PixelOf(*screen, p.x, p.y), PixelOf(cache, p.x, p.y)) << p.x << ", " << p.y;
  }
  // Inside the label: red letters, and between them the panel's picture, row by row.
  int red = 0, other = 0;
  for (int y = label->Top(); y < label->Top() + label->Height(); ++y) {
    for (int x = label->Left(); x < label->Left() + label->Width(); ++x) {
      const TColor shown = PixelOf(*screen, x, y), under = PixelOf(cache, x, y);
      if (RedOver(shown, under)) {
        ++red;
      } else if (shown != under) {
        ++other;
      }
    }
  }
  EXPECT_GT(red, 20);
  EXPECT_EQ(other, 0) << "pixels of the label that are neither text nor the panel's picture";
}

TEST_F(SkinnedPanel, DrawsItsCaptionOnTheCacheAndRedrawsWhenTheTextChanges) {
  panel->Font().SetColor(clRed);
  panel->SkinData().SetCustomFont(true);
  auto empty = Screen(panel->Handle());
  panel->SetCaption("WWWWWWWW");
  auto captioned = Screen(panel->Handle());
  int changed = 0;
  for (int x = 100; x < 200; ++x) changed += PixelOf(*captioned, x, 30) != PixelOf(*empty, x, 30) ? 1 : 0;
  EXPECT_GT(changed, 5) << "the caption in the middle of the panel";
  EXPECT_EQ(PixelOf(*captioned, 150, 3), PixelOf(*empty, 150, 3));
}

TEST_F(SkinnedPanel, OnPaintDrawsOnTheCachedPicture) {
  panel->OnPaint = [](TsPanel*, TCanvas& canvas) {
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(RECT{0, 0, 10, 10});
  };
  panel->SkinData().Invalidate();
  auto screen = Screen(panel->Handle());
  EXPECT_EQ(PixelOf(*panel->SkinData().CacheBmp(), 5, 5), clRed);
  EXPECT_EQ(PixelOf(*screen, 5, 5), clRed);
}

TEST_F(SkinnedPanel, PrintsItsPictureWithTheChildrenIntoAGivenContext) {
  RedLabel(20, 20);
  auto printed = Printed(panel->Handle());
  TBitmap& cache = *panel->SkinData().CacheBmp();
  EXPECT_EQ(PixelOf(*printed, 150, 3), PixelOf(cache, 150, 3));
  int red = 0;
  for (int y = 20; y < 40; ++y) {
    for (int x = 20; x < 80; ++x) red += RedOver(PixelOf(*printed, x, y), PixelOf(cache, x, y)) ? 1 : 0;
  }
  EXPECT_GT(red, 20);
}

// What an erase does to a context filled with fuchsia: nothing, where the control paints every
// pixel itself from its picture.
struct EraseCase {
  const char* control;
  bool skinned;
  bool erases;
};

TEST_F(SkinnedPanel, EraseBackgroundIsSwallowedWhereTheSkinPaintsEverything) {
  auto* edit = new TsEdit(form);
  edit->SetBounds(10, 100, 120, 21);
  edit->SetParent(form);
  const EraseCase cases[] = {
      {"panel", true, false},
      {"edit", true, false},
      {"panel", false, true},
  };
  for (const EraseCase& c : cases) {
    SCOPED_TRACE(std::string(c.control) + (c.skinned ? " skinned" : " plain"));
    TWinControl* control = std::string(c.control) == "panel" ? static_cast<TWinControl*>(panel) : edit;
    if (!c.skinned) manager->SetActive(false);
    Settle();
    TBitmap target(50, 20);
    FillBitmap(target, clFuchsia);
    const LRESULT result =
        SendMessageW(control->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0);
    GdiFlush();
    EXPECT_NE(result, 0);
    EXPECT_EQ(PixelOf(target, 25, 10) != clFuchsia, c.erases);
  }
}

}  // namespace
}  // namespace sundrel
