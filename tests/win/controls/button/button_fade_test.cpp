// Fading between the button's states: the configured number of frames, ending exactly on the new
// picture with no timer left; fades stopped by whatever takes the picture away; a hover that never
// touches the parent; and no handle growth over many hovers and presses.
#include <gtest/gtest.h>

#include <functional>

#include "button_fixture.h"
#include "leak_cycles.h"
#include "message_recorder.h"
#include "resource_count.h"
#include "skin/manager/anim_effects_win32.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

// The stored skin's "BUTTON" fades in 20 iterations; a press or a release takes half of them.
constexpr int kHoverFrames = 20, kPressFrames = 10;

struct TFadeCase {
  const char* Name;
  std::function<void(ButtonTest&)> Before;
  std::function<void(ButtonTest&)> Change;
  int Frames;
};

class ButtonFades : public ButtonTest, public ::testing::WithParamInterface<TFadeCase> {
 public:
  // The test bodies reach the fixture's helpers through these.
  void Hover() { MouseOver(); }
  void Leave() { MouseAway(); }
  void Press() { Send(WM_LBUTTONDOWN, 50, 12); }
  void Release() { Send(WM_LBUTTONUP, 50, 12); }
  void Focus() { button->SetFocus(); }
  void Settle() { FinishFade(); }
};

TEST_P(ButtonFades, TakeTheConfiguredStepsAndEndOnTheNewPicture) {
  const TFadeCase& row = GetParam();
  row.Before(*this);
  Settle();
  const TFadeFrames frames(*button);
  row.Change(*this);
  ASSERT_TRUE(button->Fading());
  FinishFade();

  EXPECT_EQ(frames.Count, row.Frames);
  EXPECT_FALSE(KillTimer(button->Handle(), kFadeTimerId)) << "a fading timer was left behind";
  Command(SMC_PREPARE_CACHE);
  EXPECT_TRUE(frames.Last == PictureOf(*button->SkinData().CacheBmp())) << "the last frame is not the new picture";
}

INSTANTIATE_TEST_SUITE_P(
    Button, ButtonFades,
    ::testing::Values(TFadeCase{"MouseEnter", [](ButtonTest&) {},
                                [](ButtonTest& t) { static_cast<ButtonFades&>(t).Hover(); }, kHoverFrames},
                      TFadeCase{"MouseLeave", [](ButtonTest& t) { static_cast<ButtonFades&>(t).Hover(); },
                                [](ButtonTest& t) { static_cast<ButtonFades&>(t).Leave(); }, kHoverFrames},
                      TFadeCase{"MouseDown",
                                [](ButtonTest& t) {
                                  // The focus comes first, so that it does not arrive in the middle of the press.
                                  auto& f = static_cast<ButtonFades&>(t);
                                  f.Focus();
                                  f.Hover();
                                },
                                [](ButtonTest& t) { static_cast<ButtonFades&>(t).Press(); }, kPressFrames},
                      TFadeCase{"MouseUp",
                                [](ButtonTest& t) {
                                  auto& f = static_cast<ButtonFades&>(t);
                                  f.Focus();
                                  f.Hover();
                                  f.Settle();
                                  f.Press();
                                },
                                [](ButtonTest& t) { static_cast<ButtonFades&>(t).Release(); }, kPressFrames}),
    [](const ::testing::TestParamInfo<TFadeCase>& info) { return std::string(info.param.Name); });

TEST_F(ButtonTest, AClickQuickerThanThePressFadeStillFadesOnRelease) {
  button->SetFocus();
  MouseOver();
  FinishFade();
  Send(WM_LBUTTONDOWN, 50, 12);
  ASSERT_TRUE(button->Fading());
  const TFadeFrames frames(*button);
  Send(WM_LBUTTONUP, 50, 12);
  ASSERT_TRUE(button->Fading()) << "the release jumped to its picture";
  FinishFade();
  EXPECT_EQ(frames.Count, kPressFrames);
}

TEST_F(ButtonTest, WithoutFadingEventsAHoverShowsAtOnce) {
  const TacBtnEvents saved = manager->AnimEffects().Buttons.Events();
  manager->AnimEffects().Buttons.SetEvents(0);
  const TFadeFrames frames(*button);
  MouseOver();
  EXPECT_FALSE(button->Fading());
  Drain();
  manager->AnimEffects().Buttons.SetEvents(saved);
  EXPECT_EQ(frames.Count, 0);
  EXPECT_EQ(button->CurrentButtonState(), 1);
  EXPECT_TRUE(Shown() == PictureOf(*button->SkinData().CacheBmp()));
}

struct TStopCase {
  const char* Name;
  std::function<void(ButtonTest&, TsButton&)> Stop;
};

class FadeStops : public ButtonTest, public ::testing::WithParamInterface<TStopCase> {
 public:
  void ChangeHue() { manager->SetHueOffset(40); }
};

TEST_P(FadeStops, MidwayLeaveNoTimerAndNoFrameAfterwards) {
  MouseOver();
  ASSERT_TRUE(PumpUntil([this] { return button->Fade() != nullptr && button->Fade()->Level() > 3; }));
  HWND window = button->Handle();
  const TFadeFrames frames(*button);
  GetParam().Stop(*this, *button);
  const bool destroyed = !IsWindow(window);
  if (!destroyed) {
    EXPECT_FALSE(button->Fading());
    EXPECT_FALSE(KillTimer(window, kFadeTimerId)) << "a fading timer was left behind";
  }
  // Whatever is still queued must find nothing to draw.
  const DWORD end = GetTickCount() + 60;
  PumpUntil([end] { return GetTickCount() > end; });
  if (!destroyed) {
    EXPECT_EQ(frames.Count, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Button, FadeStops,
                         ::testing::Values(TStopCase{"Hidden", [](ButtonTest&, TsButton& b) { b.Hide(); }},
                                           TStopCase{"Disabled", [](ButtonTest&, TsButton& b) { b.SetEnabled(false); }},
                                           TStopCase{"Destroyed", [](ButtonTest&, TsButton& b) { b.Free(); }},
                                           TStopCase{"SkinChanged",
                                                     [](ButtonTest& t, TsButton&) {
                                                       static_cast<FadeStops&>(t).ChangeHue();
                                                     }}),
                         [](const ::testing::TestParamInfo<TStopCase>& info) { return std::string(info.param.Name); });

// Hovering repaints the button alone: the page under it is neither erased nor painted.
TEST_F(ButtonTest, AHoverDoesNotRepaintTheParent) {
  TMessageRecorder recorder(Messages({WM_PAINT, WM_ERASEBKGND}));
  recorder.Watch(*parent, "parent", message_flags::parent);
  recorder.Watch(*button, "button");
  MouseOver();
  FinishFade();
  MouseAway();
  FinishFade();
  const TMessageSequence expected = {
      {"button", WM_PAINT, posted, 0, 0},
      {"button", WM_ERASEBKGND, sent | optional, 0, 0},
      {"button", WM_PAINT, posted | optional, 0, 0},
      {"button", WM_ERASEBKGND, sent | optional, 0, 0},
  };
  EXPECT_TRUE(SequenceMatches(recorder.Entries(), expected));
}

TEST_F(ButtonTest, HoverPressLeaveCyclesLeakNoHandles) {
  const auto cycle = [this] {
    MouseOver();
    Drain();
    Send(WM_LBUTTONDOWN, 50, 12);
    Drain();
    Send(WM_LBUTTONUP, 50, 12);
    Drain();
    MouseAway();
    Drain();
  };
  cycle();
  FinishFade();
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) cycle();
  FinishFade();
  EXPECT_EQ(CountResources(), before);
  EXPECT_EQ(clicks, LeakCycles() + 1);
}

}  // namespace
}  // namespace sundrel
