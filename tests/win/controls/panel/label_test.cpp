// Labels under the skin: the effect label's shadow takes its colour, blur and distance from the
// skin or from its own settings, reaches as far as they say, is left out when it would need an
// absurd buffer, and a transparent label shows its parent's picture, never what the screen shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "controls/s_label_fx.h"
#include "controls/s_panel.h"
#include "controls/skin_utilities.h"
#include "framework/panel.h"
#include "tidewater_form.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class EffectLabel : public TidewaterForm {
 protected:
  void SetUp() override {
    TidewaterForm::SetUp();
    panel = AddPanel(0, 0, 400, 80);
    label = new TsLabelFX(form);
    label->SetAutoSize(false);
    label->SetBounds(20, 10, 120, 40);
    label->SetCaption("WWWW");
    label->Font().SetHeight(-20);
    label->SetParent(panel);
    Screen(panel->Handle());  // the panel's picture is built
  }

  // The label painted into a bitmap of its size, which shows fuchsia before: what a covered
  // window's screen may show.
  std::unique_ptr<TBitmap> Painted() {
    auto bitmap = std::make_unique<TBitmap>(label->Width(), label->Height());
    FillBitmap(*bitmap, clFuchsia);
    label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas().Handle()), 0);
    GdiFlush();
    return bitmap;
  }

  // An opaque white label with green text and a pure blue shadow of its own.
  void UseOwnBlueShadow(int blur, int distance) {
    label->SetTransparent(false);
    label->SetColor(clWhite);
    label->Kind().SetKindType(ktCustom);
    label->Kind().SetColor(RGBColor(0, 255, 0));
    label->Shadow().SetMode(smCustom);
    label->Shadow().SetColor(RGBColor(0, 0, 255));
    label->Shadow().SetBlurCount(blur);
    label->Shadow().SetDistance(distance);
  }

  TsPanel* panel = nullptr;
  TsLabelFX* label = nullptr;
};

struct Box {
  int left = 10000, top = 10000, right = -1, bottom = -1;
  bool Empty() const { return right < 0; }
  void Add(int x, int y) {
    left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
  }
};

// Where the green text and where the blue shadow show on white.
struct Layers {
  Box text, shadow;
};

Layers LayersOf(TBitmap& bitmap) {
  Layers layers;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor c = PixelOf(bitmap, x, y);
      if (c == RGBColor(0, 255, 0)) layers.text.Add(x, y);
      // White mixed towards pure blue keeps red and green equal and loses them together.
      if (BlueOf(c) >= 240 && RedOf(c) == GreenOf(c) && RedOf(c) < 240) layers.shadow.Add(x, y);
    }
  }
  return layers;
}

// The shade divides by 256, so where there is no shadow a pixel may lose one level.
bool NearlyEqual(TColor shown, TColor expected) {
  return std::abs(RedOf(shown) - RedOf(expected)) <= 1 && std::abs(GreenOf(shown) - GreenOf(expected)) <= 1 &&
         std::abs(BlueOf(shown) - BlueOf(expected)) <= 1;
}

int Distance(TColor a, TColor b) {
  return std::abs(RedOf(a) - RedOf(b)) + std::abs(GreenOf(a) - GreenOf(b)) + std::abs(BlueOf(a) - BlueOf(b));
}

struct ShadowParamsCase {
  const char* name;
  TsShadowMode mode;
  bool skinActive;
  TsShadowParams expected;
};

TEST_F(EffectLabel, TheShadowComesFromTheSkinOrFromItsOwnSettings) {
  // The credits label's own settings; Tidewater's are 13022873, blur 2, distance 3.
  label->Shadow().SetColor(clRed);
  label->Shadow().SetBlurCount(8);
  label->Shadow().SetDistance(2);
  const ShadowParamsCase cases[] = {
      {"skin's shadow", smSkin1, true, {13022873, 2, 3}},
      {"own shadow chosen", smCustom, true, {clRed, 8, 2}},
      {"no skin active", smSkin1, false, {clRed, 8, 2}},
  };
  for (const ShadowParamsCase& c : cases) {
    SCOPED_TRACE(c.name);
    manager->SetActive(c.skinActive);
    label->Shadow().SetMode(c.mode);
    const TsShadowParams params = label->Shadow().Resolve();
    EXPECT_EQ(params.Color, c.expected.Color);
    EXPECT_EQ(params.BlurCount, c.expected.BlurCount);
    EXPECT_EQ(params.Distance, c.expected.Distance);
  }
}

TEST_F(EffectLabel, TheShadowLiesAtItsDistanceInItsColourUnderTheText) {
  struct Case {
    int blur, distance;
  };
  for (const Case c : {Case{2, 0}, Case{2, 5}}) {
    SCOPED_TRACE(::testing::Message() << "blur " << c.blur << ", distance " << c.distance);
    UseOwnBlueShadow(c.blur, c.distance);
    auto bitmap = Painted();
    const Layers layers = LayersOf(*bitmap);
    ASSERT_FALSE(layers.text.Empty());
    ASSERT_FALSE(layers.shadow.Empty());
    // Blurred towards the top left by at most one pixel a pass, moved by the distance.
    EXPECT_GE(layers.shadow.left, layers.text.left + c.distance - c.blur);
    EXPECT_GE(layers.shadow.top, layers.text.top + c.distance - c.blur);
    EXPECT_GE(layers.shadow.right, layers.text.right + c.distance);
    EXPECT_GE(layers.shadow.bottom, layers.text.bottom + c.distance);
  }
}

TEST_F(EffectLabel, NoBlurPassesDrawsTheTextAlone) {
  UseOwnBlueShadow(0, 3);
  auto bitmap = Painted();
  const Layers layers = LayersOf(*bitmap);
  EXPECT_FALSE(layers.text.Empty());
  EXPECT_TRUE(layers.shadow.Empty());
}

TEST_F(EffectLabel, ALabelTooLargeForTheBlurBufferDrawsItsTextWithoutShadow) {
  UseOwnBlueShadow(4, 2);
  // 50000 x 50000 would need a 5 GB buffer, and its size overflows 32 bits.
  label->SetBounds(0, 0, 50000, 50000);
  TBitmap bitmap(200, 60);
  FillBitmap(bitmap, clWhite);
  label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()), 0);
  GdiFlush();
  const Layers layers = LayersOf(bitmap);
  EXPECT_FALSE(layers.text.Empty());
  EXPECT_TRUE(layers.shadow.Empty());
}

TEST_F(EffectLabel, SizedToItsTextItGrowsByTheShadowsReach) {
  UseOwnBlueShadow(8, 2);
  auto* plain = new TsLabel(form);
  plain->Font().Assign(label->Font());
  plain->SetCaption(label->Caption());
  plain->SetParent(panel);
  label->SetAutoSize(true);
  // 2 + 8 - min(0, 2 - 8)
  EXPECT_EQ(label->Width(), plain->Width() + 16);
  EXPECT_EQ(label->Height(), plain->Height() + 16);
}

TEST_F(EffectLabel, TheCreditsLabelDrawsItsTextInItsOwnColourOverTheSkinsShadow) {
  label->Kind().SetKindType(ktStandard);
  label->SetColor(clRed);
  auto bitmap = Painted();
  int red = 0, shadowed = 0;
  const TColor shadow = 13022873;
  for (int y = 0; y < bitmap->Height(); ++y) {
    for (int x = 0; x < bitmap->Width(); ++x) {
      const TColor c = PixelOf(*bitmap, x, y);
      if (c == clRed) ++red;
      // Moved from the panel's picture towards the skin's blue-grey shadow.
      const TColor under = PixelOf(*panel->SkinData().CacheBmp(), label->Left() + x, label->Top() + y);
      if (c != clRed && Distance(c, shadow) < Distance(under, shadow)) ++shadowed;
    }
  }
  EXPECT_GT(red, 20);
  EXPECT_GT(shadowed, 20);
}

// Which colours a big bold text shows on white: its solid strokes are exactly the text colour.
bool ShowsColour(TsLabel* label, TColor colour) {
  TBitmap bitmap(label->Width(), label->Height());
  FillBitmap(bitmap, clWhite);
  label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()), 0);
  GdiFlush();
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (PixelOf(bitmap, x, y) == ColorToRGB(colour)) return true;
    }
  }
  return false;
}

struct LabelColourCase {
  const char* name;
  bool useSkinColor;
  bool enabled;
  bool skinActive;
};

TEST_F(EffectLabel, PlainLabelsTakeTheSkinsLabelColourUnlessTheyKeepTheirOwn) {
  auto* label = new TsLabel(form);
  label->SetAutoSize(false);
  label->SetBounds(10, 40, 100, 36);
  label->SetCaption("WW");
  label->SetParent(panel);
  label->Font().SetHeight(-30);
  label->Font().SetStyle(fsBold);
  const TColor skinColour = manager->GetGlobalFontColor();
  const LabelColourCase cases[] = {
      {"skin colour", true, true, true},
      {"own colour kept", false, true, true},
      {"disabled fades into the panel", true, false, true},
      {"skin removed", true, true, false},
  };
  for (const LabelColourCase& c : cases) {
    SCOPED_TRACE(c.name);
    label->Font().SetColor(clRed);
    label->SetUseSkinColor(c.useSkinColor);
    label->SetEnabled(c.enabled);
    manager->SetActive(c.skinActive);
    TColor expected = c.useSkinColor ? skinColour : clRed;
    if (!c.enabled) expected = MixColors(skinColour, GetParentColor(panel), 0.4);
    if (!c.skinActive) expected = clWindowText;
    EXPECT_TRUE(ShowsColour(label, expected));
  }
}

// The transparent label's background: the parent's picture when the parent keeps one; only a
// parent without one leaves the label to what its canvas shows.
TEST_F(EffectLabel, ATransparentLabelTakesThePanelsPictureNotTheScreen) {
  auto bitmap = Painted();
  TBitmap& cache = *panel->SkinData().CacheBmp();
  // The far corner holds neither text nor shadow.
  const int x = label->Width() - 1, y = 0;
  EXPECT_TRUE(NearlyEqual(PixelOf(*bitmap, x, y), PixelOf(cache, label->Left() + x, label->Top() + y)));
  const int bottom = label->Height() - 1;
  EXPECT_TRUE(NearlyEqual(PixelOf(*bitmap, x, bottom), PixelOf(cache, label->Left() + x, label->Top() + bottom)));

  auto* plainParent = new TPanel(form);
  plainParent->SetBounds(0, 100, 200, 60);
  plainParent->SetParent(form);
  label->SetParent(plainParent);
  auto onPlain = Painted();
  EXPECT_TRUE(NearlyEqual(PixelOf(*onPlain, x, y), clFuchsia));
}

TEST_F(EffectLabel, ACoveredPanelStillShowsItsPictureBehindTheLabel) {
  // A window over the panel: whatever reads the screen there reads the cover.
  HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 420, 300,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(cover, nullptr);
  Settle();
  panel->SkinData().Invalidate();
  TBitmap printed(panel->Width(), panel->Height());
  SendMessageW(panel->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()), PRF_CLIENT);
  GdiFlush();
  DestroyWindow(cover);
  TBitmap& cache = *panel->SkinData().CacheBmp();
  const int x = label->Left() + label->Width() - 1, y = label->Top();
  EXPECT_TRUE(NearlyEqual(PixelOf(printed, x, y), PixelOf(cache, x, y)));
}

}  // namespace
}  // namespace sundrel
