// The button's states as mouse, keyboard, focus and the program set them, the pictures that tell
// them apart, and its window region.
#include <gtest/gtest.h>

#include <functional>

#include "button_fixture.h"
#include "leak_cycles.h"
#include "resource_count.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

// On the border's top edge, left of the caption: each border cell has its own pixel here.
constexpr POINT kBorderPixel{20, 1};

enum class TLook { Cell, FocusFrame, Disabled };

struct TStateCase {
  const char* Name;
  std::function<void(TsButton&)> Enter;
  int State;
  TLook Look;
  bool MouseOver = false;  // the cursor rests on the button
};

class ButtonStates : public ButtonTest, public ::testing::WithParamInterface<TStateCase> {};

bool IsFocusFramePixel(TColor colour) {
  return colour == 0x000000 || colour == 0xFFFFFF;
}

TEST_P(ButtonStates, ShowItsOwnPicture) {
  const TStateCase& row = GetParam();
  const TPicture references[] = {Reference(0), Reference(1), Reference(2)};
  const auto at = [](const TPicture& picture) { return picture.At(kBorderPixel.x, kBorderPixel.y); };
  ASSERT_NE(at(references[0]), at(references[1]));
  ASSERT_NE(at(references[1]), at(references[2]));
  ASSERT_NE(at(references[0]), at(references[2]));

  if (row.MouseOver) MouseOver();
  row.Enter(*button);
  FinishFade();
  EXPECT_EQ(button->CurrentButtonState(), row.State);
  const TPicture shown = Shown();
  switch (row.Look) {
    case TLook::Cell:
      EXPECT_EQ(at(shown), at(references[row.State]));
      break;
    case TLook::Disabled: {
      // 60 percent of the page under it, 40 percent of the normal picture.
      const TColor page = PictureOf(*parent->data.CacheBmp()).At(kLeft + kBorderPixel.x, kTop + kBorderPixel.y);
      const TColor normal = at(references[0]);
      const auto mix = [](int p, int b) { return (p * 60 + b * 40) / 100; };
      EXPECT_NEAR(GetRValue(at(shown)), mix(GetRValue(page), GetRValue(normal)), 1);
      EXPECT_NEAR(GetGValue(at(shown)), mix(GetGValue(page), GetGValue(normal)), 1);
      EXPECT_NEAR(GetBValue(at(shown)), mix(GetBValue(page), GetBValue(normal)), 1);
      break;
    }
    case TLook::FocusFrame: {
      EXPECT_EQ(at(shown), at(references[1]));
      // Hot without the focus, only the dotted frame around the caption goes.
      edit->SetFocus();
      MouseOver();
      FinishFade();
      const TPicture unfocused = Shown();
      int framePixels = 0;
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
          if (shown.At(x, y) == unfocused.At(x, y)) continue;
          ++framePixels;
          EXPECT_TRUE(IsFocusFramePixel(shown.At(x, y))) << x << "," << y;
        }
      }
      EXPECT_GT(framePixels, 20);
      break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Button, ButtonStates,
    ::testing::Values(TStateCase{"Normal", [](TsButton&) {}, 0, TLook::Cell},
                      TStateCase{"Hot", [](TsButton&) {}, 1, TLook::Cell, true},
                      TStateCase{
                          "Pressed",
                          [](TsButton& b) { SendMessageW(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 12)); },
                          2, TLook::Cell},
                      TStateCase{"Down", [](TsButton& b) { b.SetDown(true); }, 2, TLook::Cell},
                      TStateCase{"DefaultButton", [](TsButton& b) { b.SetDefault(true); }, 1, TLook::Cell},
                      TStateCase{"Focused", [](TsButton& b) { b.SetFocus(); }, 1, TLook::FocusFrame},
                      TStateCase{"Disabled", [](TsButton& b) { b.SetEnabled(false); }, 0, TLook::Disabled}),
    [](const ::testing::TestParamInfo<TStateCase>& info) { return std::string(info.param.Name); });

TEST_F(ButtonTest, APressDraggedOffShowsReleasedAndReleasingOutsideDoesNotClick) {
  MouseOver();
  FinishFade();
  Send(WM_LBUTTONDOWN, 50, 12);
  EXPECT_EQ(button->CurrentButtonState(), 2);
  Send(WM_MOUSEMOVE, 200, 12);
  EXPECT_NE(button->CurrentButtonState(), 2);
  Send(WM_MOUSEMOVE, 50, 12);
  EXPECT_EQ(button->CurrentButtonState(), 2);
  Send(WM_MOUSEMOVE, 200, 12);
  Send(WM_LBUTTONUP, 200, 12);
  EXPECT_EQ(clicks, 0);
  EXPECT_NE(GetCapture(), button->Handle());

  Send(WM_MOUSEMOVE, 50, 12);
  Send(WM_LBUTTONDOWN, 50, 12);
  Send(WM_LBUTTONUP, 50, 12);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, SpaceClicksOnReleaseAndShowsPressedMeanwhile) {
  button->SetFocus();
  Drain();
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(button->CurrentButtonState(), 2);
  EXPECT_EQ(clicks, 0);
  SendMessageW(button->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button->CurrentButtonState(), 1);
}

TEST_F(ButtonTest, APressThatLosesTheMouseEndsWithoutAClickAndSpaceStillWorks) {
  button->SetFocus();
  MouseOver();
  FinishFade();
  Send(WM_LBUTTONDOWN, 50, 12);
  ASSERT_EQ(GetCapture(), button->Handle());
  SetCapture(edit->Handle());  // another window takes the mouse mid-press
  ReleaseCapture();
  EXPECT_NE(button->CurrentButtonState(), 2);
  EXPECT_EQ(clicks, 0);
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(button->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_NE(button->CurrentButtonState(), 2);
}

TEST_F(ButtonTest, ASkinChangeRepaintsTheButtonInTheNewColours) {
  // Low in the button, where its gradient is strongly coloured.
  const POINT probe{20, kHeight - 5};
  const auto onScreen = [this, probe] {
    const POINT point = ScreenPoint(probe.x, probe.y);
    const WindowDC screen(nullptr);
    return static_cast<TColor>(GetPixel(screen.get(), point.x, point.y));
  };
  const TColor before = onScreen();
  ASSERT_EQ(before, Reference(0).At(probe.x, probe.y));
  manager->SetHueOffset(120);
  Drain();
  EXPECT_NE(onScreen(), before);
  EXPECT_EQ(onScreen(), Reference(0).At(probe.x, probe.y));
}

TEST_F(ButtonTest, AClickInACornerHoleReachesTheParent) {
  const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(button->Handle(), region.get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_FALSE(PtInRegion(region.get(), kWidth - 1, kHeight - 1));
  EXPECT_TRUE(PtInRegion(region.get(), kWidth / 2, 0));
  EXPECT_EQ(WindowFromPoint(ScreenPoint(0, 0)), parent->Handle());
  EXPECT_EQ(WindowFromPoint(ScreenPoint(kWidth - 1, 0)), parent->Handle());
  EXPECT_EQ(WindowFromPoint(ScreenPoint(kWidth / 2, kHeight / 2)), button->Handle());
}

// The pending window region has one owner: rebuilding the picture again and again before a paint
// applies it frees each previous region.
TEST_F(ButtonTest, RebuildsBeforeThePaintLeakNoRegion) {
  Send(WM_SIZE, kWidth, kHeight);  // the region must be made anew
  Command(SMC_PREPARE_CACHE);
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) Command(SMC_PREPARE_CACHE);
  EXPECT_EQ(CountResources(), before);
}

// A fade frame drops the pending region while the region is still wanted; the next paint must make
// it anew instead of giving the window a handle that is gone.
TEST_F(ButtonTest, ARegionDroppedByAFadeFrameIsMadeAnewAtThePaint) {
  parent->data.HalfVisible = false;  // the paint then keeps the cache that was built
  SetWindowRgn(button->Handle(), nullptr, FALSE);
  Send(WM_SIZE, kWidth, kHeight);
  Command(SMC_PREPARE_CACHE);
  EXPECT_EQ(Command(SMC_DRAW_FADE_FRAME), 0);
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(button->Handle(), region.get()), ERROR) << "no region was applied";
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), kWidth / 2, kHeight / 2));
}

TEST_F(ButtonTest, WithoutTheSkinTheSystemDrawsTheButtonAndItHasNoRegion) {
  manager->SetActive(false);
  Drain();
  const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(button->Handle(), region.get()), ERROR);
  Send(WM_LBUTTONDOWN, 50, 12);
  Send(WM_LBUTTONUP, 50, 12);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace sundrel
