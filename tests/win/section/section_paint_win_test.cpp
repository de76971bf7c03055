// PaintSectionToDC and DrawSectionText on a memory context, with the test skin's "PANEL": red,
// grey text with an orange left contour.
#include <gtest/gtest.h>

#include <memory>

#include "controls/section_paint_win32.h"
#include "dib_fixture.h"
#include "file_fixture.h"
#include "skin/manager/skin_manager_win32.h"
#include "test_skins.h"

namespace sundrel {
namespace {

using testing::DibCanvas;

constexpr TColor kBlank = RGBColor(1, 2, 3);

bool Shows(const DibCanvas& canvas, int width, int height, TColor colour) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (canvas.Pixel(x, y) == colour) return true;
    }
  }
  return false;
}

class SectionOnDC : public ::testing::Test {
 protected:
  test::TempDir folder;
  std::unique_ptr<TsSkinManager> manager{testing::ManagerWithTestSkin(folder, nullptr)};
  int panel = manager->GetSkinIndex("PANEL");
  DibCanvas canvas{40, 30, 24, false, kBlank};

  void SetUp() override { ASSERT_GE(panel, 0); }
};

TEST_F(SectionOnDC, TheSectionFillsRAndNothingElse) {
  const HGDIOBJ selected = GetCurrentObject(canvas.Dc(), OBJ_BITMAP);
  PaintSectionToDC(manager.get(), panel, "PANEL", {}, canvas.Dc(), {}, {5, 4, 25, 14}, 0, true);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 5 && x < 25 && y >= 4 && y < 14;
      ASSERT_EQ(canvas.Pixel(x, y), inside ? testing::kRed : kBlank) << x << ", " << y;
    }
  }
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BITMAP), selected);

  // Nothing for a rectangle that starts left of the context or a section the skin lacks.
  PaintSectionToDC(manager.get(), panel, "PANEL", {}, canvas.Dc(), {}, {-1, 20, 10, 25}, 0, true);
  PaintSectionToDC(manager.get(), -1, "PANEL", {}, canvas.Dc(), {}, {0, 20, 10, 25}, 0, true);
  EXPECT_EQ(canvas.Pixel(3, 22), kBlank);
}

TEST_F(SectionOnDC, TextTakesTheSectionsColoursOrTheDisabledMix) {
  // Grey text with its orange left contour; disabled, 0.4 of grey and 0.6 of red.
  const TColor disabled = MixColors(testing::kGrey, testing::kRed, 0.4);
  struct Case {
    bool enabled;
    bool grey, orange, mixed;
  };
  for (const Case& c : {Case{true, true, true, false}, Case{false, false, false, true}}) {
    const DibCanvas fresh{40, 30, 24, false, kBlank};
    TCanvas text;
    text.SetHandle(fresh.Dc());
    text.Font().SetName("Tahoma");
    text.Font().SetHeight(-24);
    text.Font().SetStyle(fsBold);
    const RECT r{2, 2, 38, 28};
    DrawSectionText(text, "HM", c.enabled, manager.get(), false, panel, DT_SINGLELINE | DT_LEFT | DT_TOP, r);
    auto shows = [&](TColor colour) { return Shows(fresh, 40, 30, colour); };
    EXPECT_EQ(shows(testing::kGrey), c.grey) << "enabled " << c.enabled;
    EXPECT_EQ(shows(testing::kOrange), c.orange) << "enabled " << c.enabled;
    EXPECT_EQ(shows(disabled), c.mixed) << "enabled " << c.enabled;
    EXPECT_EQ(text.Font().Color(), c.enabled ? testing::kGrey : disabled);
  }
}

}  // namespace
}  // namespace sundrel
