// The skinned progress bar with the program's own skin: the trough is the gauge's section, the
// part done the progress section inside the trough's border, as wide as the position says; the
// window shows the cache and painting leaks nothing.
#include <gtest/gtest.h>

#include "controls/s_gauge.h"
#include "leak_cycles.h"
#include "resource_count.h"
#include "tidewater_controls.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class GaugeTest : public TidewaterControls {
 protected:
  void SetUp() override {
    TidewaterControls::SetUp();
    FillParent(clWhite);
    gauge = ChildOf<TsGauge>(parent);
    gauge->SetBounds(20, 80, 130, 17);
    gauge->SetRange(0, 100);
    gauge->HandleNeeded();
    ASSERT_TRUE(gauge->SkinData().IsSkinned(true));
    ASSERT_EQ(gauge->SkinData().SkinSection(), "GAUGE");
  }

  TBitmap& PictureAt(int position) {
    gauge->SetPosition(position);
    gauge->BuildCache();
    return *gauge->SkinData().CacheBmp();
  }

  TsGauge* gauge = nullptr;
};

TEST_F(GaugeTest, ThePartDoneGrowsWithThePositionInsideTheTroughsBorder) {
  const int border = Skin().MaskWidthLeft(gauge->SkinData().BorderIndex);
  ASSERT_GT(border, 0);
  const int middle = 17 / 2;
  const TColor trough = PixelOf(PictureAt(0), 60, middle);
  EXPECT_TRUE(gauge->DoneRect().IsEmpty());

  struct Case {
    int position, doneRight;
  };
  const int inside = 130 - 2 * border;
  for (const Case c : {Case{25, border + inside / 4}, Case{50, border + inside / 2}, Case{100, 130 - border}}) {
    SCOPED_TRACE(::testing::Message() << "position " << c.position);
    TBitmap& picture = PictureAt(c.position);
    EXPECT_EQ(gauge->DoneRect(), (TRect{border, border, c.doneRight, 17 - border}));
    EXPECT_NE(PixelOf(picture, c.doneRight - 1, middle), trough) << "the part done shows the progress section";
    if (c.doneRight < 130 - border) {
      EXPECT_EQ(PixelOf(picture, c.doneRight + 1, middle), trough);
    }
    EXPECT_EQ(PixelOf(picture, 0, middle), PixelOf(PictureAt(0), 0, middle)) << "the trough's border stays";
  }
}

TEST_F(GaugeTest, TheWindowShowsThePictureOfTheCurrentPosition) {
  gauge->SetPosition(40);
  TBitmap shown(130, 17);
  SendMessageW(gauge->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shown.Canvas().Handle()), PRF_CLIENT);
  TBitmap& cache = *gauge->SkinData().CacheBmp();
  for (const int x : {2, 30, 60, 100, 127}) EXPECT_EQ(PixelOf(shown, x, 8), PixelOf(cache, x, 8)) << "x " << x;
  EXPECT_FALSE(gauge->SkinData().BGChanged);
}

TEST_F(GaugeTest, MovingThroughEveryPositionLeaksNothing) {
  for (int i = 0; i <= 100; ++i) PictureAt(i);
  const TResourceCount before = CountResources();
  for (int round = 0; round < LeakCycles(); ++round) {
    for (int i = 0; i <= 100; ++i) {
      gauge->SetPosition(i);
      UpdateWindow(gauge->Handle());
    }
  }
  EXPECT_EQ(CountResources(), before);
}

}  // namespace
}  // namespace sundrel
