// Painting a control's picture again and again, as repaints do, leaves no GDI object behind.
#include <gtest/gtest.h>

#include "controls/cache_copy.h"
#include "controls/control_skin.h"
#include "controls/skinned_text.h"
#include "controls/window_region.h"
#include "leak_cycles.h"
#include "paint/dib_pixels_win32.h"
#include "resource_count.h"
#include "tidewater_controls.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using PaintLeaks = TidewaterControls;

TEST_F(PaintLeaks, ButtonPicturesWithTextAndRegionLeaveNoGdiObjects) {
  button->Font().SetName("Tahoma");
  TBitmap target(kButtonWidth, kButtonHeight);
  const TRect whole{0, 0, kButtonWidth, kButtonHeight};
  auto paint = [&](int i) {
    const int state = i % 3;
    TsCommonData& data = button->data;
    data.PrepareCache();
    TBitmap& cache = *data.CacheBmp();
    PaintControlSkin(data, data.GetParentImage(), true, true, cache, {kButtonLeft, kButtonTop}, whole, state);
    const UniqueRegion region = PaintMaskDirectWithRegion(PixelsOfDibSection(cache.Handle()), true, state,
                                                          ButtonBorder(), &Skin().MasterBitmap());
    DrawSkinnedText(cache.Canvas(), "开始分割", i % 2 == 0, state != 0, data, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                    RECT{0, 0, kButtonWidth, kButtonHeight});
    TCacheCopy copy{whole};
    copy.Repair = true;
    CopyCacheToDC(button, data, copy, target.Canvas().Handle(), whole);
  };
  paint(0);  // the canvases' fonts and brushes are made once
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) paint(i);
  EXPECT_EQ(CountResources(), before);
}

}  // namespace
}  // namespace sundrel
