#include "paint/color.h"

#include <gtest/gtest.h>

#include "pixel_fixture.h"

namespace sundrel {
namespace {

using testing::Describe;

TEST(Color, SystemColoursAreResolvedBeforeArithmetic) {
  EXPECT_EQ(ColorToRGB(clBtnFace), SystemColorRGB(15));
  EXPECT_FALSE(IsSystemColor(ColorToRGB(clBtnFace)));
  EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456);
  EXPECT_EQ(ColorToRGB(clFuchsia), clFuchsia);
  EXPECT_EQ(SystemColorRGB(999), clBlack);

  EXPECT_EQ(MixColors(clBtnFace, clBlack, 1.0), SystemColorRGB(15));
  EXPECT_EQ(AverageColors(clBtnFace, clBtnFace), SystemColorRGB(15));
}

TEST(Color, LimitToByteClamps) {
  const int cases[][2] = {{-1, 0}, {-70000, 0}, {0, 0}, {128, 128}, {255, 255}, {256, 255}, {70000, 255}};
  for (const auto& c : cases) EXPECT_EQ(LimitToByte(c[0]), c[1]) << c[0];
}

TEST(Color, MixColorsRoundsEachChannelWithTiesToEven) {
  struct Case {
    TColor a, b;
    double weight;
    TColor expected;
  };
  const Case cases[] = {
      {clBlack, clWhite, 0.4, RGBColor(153, 153, 153)},  // disabled text: 0.4*(0 - 255) + 255
      {RGBColor(10, 20, 30), RGBColor(200, 100, 0), 0.0, RGBColor(200, 100, 0)},
      {RGBColor(10, 20, 30), RGBColor(200, 100, 0), 1.0, RGBColor(10, 20, 30)},
      {RGBColor(1, 3, 5), clBlack, 0.5, RGBColor(0, 2, 2)},                                         // 0.5, 1.5, 2.5
      {static_cast<TColor>(0x02000000 | 0x0000FF), clBlack, 1.0, static_cast<TColor>(0x020000FF)},  // A's high byte
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MixColors(c.a, c.b, c.weight), c.expected) << Describe(c.a) << " " << Describe(c.b) << " " << c.weight;
  }
}

TEST(Color, AverageColorsLeansOneStepTowardsTheSecond) {
  EXPECT_EQ(AverageColors(clWhite, clBlack), RGBColor(126, 126, 126));
  EXPECT_EQ(AverageColors(clBlack, clWhite), RGBColor(128, 128, 128));
  EXPECT_EQ(AverageColors(RGBColor(200, 7, 0), RGBColor(200, 7, 0)), RGBColor(200, 7, 0));
}

TEST(Color, ShiftHueTurnsTheHue) {
  struct Case {
    int degrees;
    TColor color, expected;
  };
  const Case cases[] = {
      {180, RGBColor(255, 0, 0), RGBColor(0, 255, 255)},
      {120, RGBColor(255, 0, 0), RGBColor(0, 255, 0)},
      {240, RGBColor(255, 0, 0), RGBColor(0, 0, 255)},
      {-120, RGBColor(255, 0, 0), RGBColor(0, 0, 255)},  // backwards is the matching turn forwards
      {-480, RGBColor(255, 0, 0), RGBColor(0, 0, 255)},
      // Ties round to even: t = 255*0.5 = 127.5 gives 128, t = 253*0.5 = 126.5 gives 126.
      {0, RGBColor(255, 128, 0), RGBColor(255, 128, 0)},
      {0, RGBColor(253, 126, 0), RGBColor(253, 126, 0)},
      {60, RGBColor(255, 128, 0), RGBColor(128, 255, 0)},
      {360, RGBColor(0x49, 0x78, 0xAB), RGBColor(0x49, 0x78, 0xAB)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(ShiftHue(c.degrees, c.color)), Describe(c.expected)) << Describe(c.color) << " by " << c.degrees;
  }
}

TEST(Color, ShiftHueLeavesGreysAlone) {
  for (TColor grey : {clBlack, clWhite, clGray, RGBColor(17, 17, 17)}) {
    for (int degrees : {1, 90, 180, 359, -45}) EXPECT_EQ(ShiftHue(degrees, grey), grey) << Describe(grey);
  }
}

TEST(Color, ShiftHueByAFullTurnGivesTheColourBack) {
  for (TColor color : {RGBColor(200, 100, 0), RGBColor(12, 240, 99), RGBColor(1, 2, 3), RGBColor(0xAB, 0x78, 0x49)}) {
    const TColor turned = ShiftHue(360, color);
    EXPECT_NEAR(RedOf(turned), RedOf(color), 1) << Describe(color);
    EXPECT_NEAR(GreenOf(turned), GreenOf(color), 1) << Describe(color);
    EXPECT_NEAR(BlueOf(turned), BlueOf(color), 1) << Describe(color);
  }
}

TEST(Color, ShiftSaturationMovesChannelsAroundTheGrey) {
  struct Case {
    TColor color;
    int amount;
    TColor expected;
  };
  const Case cases[] = {
      // The skin manager's figures: Saturation 100 passes -100, Saturation -100 passes 100.
      {RGBColor(200, 100, 0), -100, RGBColor(255, 100, 0)},
      {RGBColor(200, 100, 0), 100, RGBColor(100, 100, 100)},
      {RGBColor(200, 100, 0), 50, RGBColor(150, 100, 50)},
      // Exact halves round to even: 0 + 50*(1 - 0)/100 = 0.5 and 0 + 50*(3 - 0)/100 = 1.5.
      {RGBColor(0, 0, 3), 50, RGBColor(0, 0, 2)},
      {RGBColor(0, 0, 9), 50, RGBColor(2, 2, 6)},
      {RGBColor(90, 90, 90), -100, RGBColor(90, 90, 90)},
      {static_cast<TColor>(0xFF00000F), 0, static_cast<TColor>(0xFF00000F)},  // 0: untouched, not even resolved
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(ShiftSaturation(c.color, c.amount)), Describe(c.expected))
        << Describe(c.color) << " " << c.amount;
  }
}

}  // namespace
}  // namespace sundrel
