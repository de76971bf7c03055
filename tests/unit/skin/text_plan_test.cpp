// The passes of skinned text: contours, text colour, the disabled mix and the link underline.
#include "skin/section/text_plan.h"

#include <gtest/gtest.h>

#include <vector>

namespace sundrel {
namespace {

constexpr TColor kText = RGBColor(10, 20, 30), kHotText = RGBColor(40, 50, 60), kFont = RGBColor(7, 8, 9);

TsGeneralData Outlined() {
  TsGeneralData section;
  section.Color = RGBColor(210, 220, 230);
  section.FontColor = {kText, RGBColor(1, 0, 0), -1, RGBColor(3, 0, 0), RGBColor(4, 0, 0)};
  section.HotFontColor = {kHotText, -1, RGBColor(0, 2, 0), -1, -1};
  return section;
}

TEST(TextPlan, ContoursInTheirColoursThenTheTextWhereTheStateSays) {
  const TsGeneralData outlined = Outlined();
  const TsGeneralData plain;  // every contour -1
  struct Case {
    const char* what;
    TacTextRequest request;
    std::vector<TacTextPass> passes;
  };
  const Case cases[] = {
      {"contours -1: one pass", {.Section = &plain}, {{{0, 0}, plain.FontColor[0]}}},
      {"normal contours, left, right and bottom given",
       {.Section = &outlined},
       {{{-1, 0}, RGBColor(1, 0, 0)}, {{1, 0}, RGBColor(3, 0, 0)}, {{0, 1}, RGBColor(4, 0, 0)}, {{0, 0}, kText}}},
      {"hot contours", {.Section = &outlined, .Hot = true}, {{{0, -1}, RGBColor(0, 2, 0)}, {{0, 0}, kHotText}}},
      {"own font colour", {.Section = &outlined, .CustomFont = true, .FontColor = kFont}, {{{0, 0}, kFont}}},
      {"unskinned", {.FontColor = kFont}, {{{0, 0}, kFont}}},
      {"disabled unskinned", {.Enabled = false, .FontColor = kFont}, {{{0, 0}, kFont}}},
      // 0.4 of the text colour, 0.6 of the section's colour: (10, 20, 30) and (210, 220, 230).
      {"disabled",
       {.Section = &outlined, .Enabled = false, .Hot = true, .CustomFont = true, .FontColor = kFont},
       {{{0, 0}, RGBColor(130, 140, 150)}}},
  };
  for (const Case& c : cases) EXPECT_EQ(PlanSkinnedText(c.request).Passes, c.passes) << c.what;
}

TEST(TextPlan, OnlyALinkIsUnderlinedAndOnlyWhileHot) {
  const TsGeneralData section;
  EXPECT_TRUE(PlanSkinnedText({.Section = &section, .SectionName = "WEBBUTTON", .Hot = true}).Underline);
  EXPECT_TRUE(PlanSkinnedText({.SectionName = "WEBBUTTON", .Enabled = false, .Hot = true}).Underline);
  EXPECT_FALSE(PlanSkinnedText({.Section = &section, .SectionName = "WEBBUTTON"}).Underline);
  EXPECT_FALSE(PlanSkinnedText({.Section = &section, .SectionName = "BUTTON", .Hot = true}).Underline);
}

}  // namespace
}  // namespace sundrel
