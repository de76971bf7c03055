// The program's own skin: section backgrounds as its controls' pictures start.
#include <gtest/gtest.h>

#include <string>

#include "paint/gradient.h"
#include "skin/section/section_paint.h"
#include "tidewater_skin.h"

namespace sundrel {
namespace {

using test::Tidewater;

constexpr int kWidth = 113, kHeight = 25;

TColor Merged(TColor a, TColor b, int weight) {
  auto channel = [&](int shift) {
    return (((a >> shift) & 255) * weight + ((b >> shift) & 255) * (255 - weight) + 127) / 255;
  };
  return channel(0) | (channel(8) << 8) | (channel(16) << 16);
}

class TidewaterSections : public ::testing::Test {
 protected:
  FreshSlots fresh;
  TacMemBitmap bitmap = NewBitmap24(kWidth, kHeight);
  TacMemBitmap parent = NewBitmap24(200, 100);

  void SetUp() override {
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 200; ++x) parent.SetPixel(x, y, RGBColor(x, y, 77));
    }
  }
  static TacSectionRef Section(const char* name) { return {Tidewater().GetSkinIndex(name), name}; }
  TacPaintTarget Target(int state, bool parentReady) {
    return {bitmap.Pixels(), {0, 0, kWidth, kHeight}, {}, state, {parent.Pixels(), 5, 7, parentReady}};
  }
};

TEST_F(TidewaterSections, AButtonIsItsGradientHalfOverTheParentWithoutShading) {
  const TsGeneralData& button = Tidewater().Sections()[Tidewater().GetSkinIndex("BUTTON")];
  struct Case {
    int state;
    int weight;  // the parent's share: transparency 50 normal, 30 hot
    const TsGradArray& gradient;
  };
  const Case cases[] = {{0, 127, button.GradientArray}, {1, 76, button.HotGradientArray}};
  for (const Case& c : cases) {
    TacMemBitmap gradient = NewBitmap24(kWidth, kHeight);
    PaintGradient(gradient.Pixels(), {0, 0, kWidth, kHeight}, c.gradient);
    PaintSectionBackground(Tidewater(), Section("BUTTON"), Target(c.state, true));
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        ASSERT_EQ(bitmap.Pixel(x, y), Merged(parent.Pixel(5 + x, 7 + y), gradient.Pixel(x, y), c.weight))
            << "state " << c.state << " at " << x << ", " << y;
      }
    }
  }
}

TEST_F(TidewaterSections, AButtonsCornerHolesShowTheParentUnderThem) {
  PaintSection(Tidewater(), Section("BUTTON"), Target(0, true), true);
  const TacMemBitmap& master = Tidewater().MasterBitmap();
  int holes = 0;
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) {
      if (master.Pixel(x, y) != clFuchsia) continue;
      ++holes;
      EXPECT_EQ(bitmap.Pixel(x, y), parent.Pixel(5 + x, 7 + y)) << x << ", " << y;
    }
  }
  EXPECT_GT(holes, 0);
}

TEST_F(TidewaterSections, APageIsItsColourWhateverLiesBehind) {
  for (int state : {0, 1, 2}) {
    for (bool parentReady : {false, true}) {
      PaintSectionBackground(Tidewater(), Section("PAGECONTROL"), Target(state, parentReady));
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) ASSERT_EQ(bitmap.Pixel(x, y), 15124134) << state << parentReady;
      }
    }
  }
}

TEST_F(TidewaterSections, APanelIsItsVerticalGradientAlone) {
  PaintSectionBackground(Tidewater(), Section("PANEL"), Target(0, true));
  EXPECT_EQ(bitmap.Pixel(0, 0), 16513010);
  EXPECT_EQ(bitmap.Pixel(kWidth - 1, kHeight - 1), 15720916);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 1; x < kWidth; ++x) ASSERT_EQ(bitmap.Pixel(x, y), bitmap.Pixel(0, y)) << x << ", " << y;
    if (y == 0) continue;
    for (int shift : {0, 8, 16}) {
      EXPECT_LE((bitmap.Pixel(0, y) >> shift) & 255, (bitmap.Pixel(0, y - 1) >> shift) & 255) << "row " << y;
    }
  }
}

TEST_F(TidewaterSections, ALinkWithoutAParentPictureIsItsOwnColour) {
  PaintSectionBackground(Tidewater(), Section("WEBBUTTON"), Target(0, false));
  EXPECT_EQ(bitmap.Pixel(0, 0), 16183014);
  EXPECT_EQ(bitmap.Pixel(kWidth - 1, kHeight - 1), 16183014);
}

}  // namespace
}  // namespace sundrel
