// Copying a control's picture to a device context: the windowless children keep their holes
// unless the picture holds them already, and windowless children painted over a picture take
// the container's picture (or their colour) behind them.
#include "controls/cache_copy.h"

#include <gtest/gtest.h>

#include "framework/bitmap.h"
#include "paint/dc_paint_win32.h"
#include "skin_data_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;

class TOpaqueGraphic : public TSkinnedGraphic {
 public:
  explicit TOpaqueGraphic(TComponent* owner) : TSkinnedGraphic(owner) { SetControlStyle(ControlStyle() | csOpaque); }
};

class CacheCopy : public SkinDataTest {
 protected:
  void SetUp() override {
    SkinDataTest::SetUp();
    panel = ChildOf<TSkinnedPanel>(form, "panel");
    panel->SetBounds(0, 0, 40, 30);
    panel->data.PrepareCache();
    FillRectSolid(panel->data.CacheBmp()->Canvas().Handle(), TRect{0, 0, 40, 30}, kGreen);
    FillRectSolid(target.Canvas().Handle(), TRect{0, 0, 60, 50}, kWhite);
  }
  TColor At(int x, int y) { return static_cast<TColor>(GetPixel(target.Canvas().Handle(), x, y)); }

  TSkinnedPanel* panel = nullptr;
  TBitmap target{60, 50};
};

TEST_F(CacheCopy, WindowlessChildrenKeepTheirHolesUnlessThePictureHoldsThem) {
  auto* child = ChildOf<TSkinnedGraphic>(panel, "button");
  child->SetBounds(5, 5, 10, 10);
  struct Case {
    bool inCache;
    TColor underChild;
  };
  for (const Case& c : {Case{false, kWhite}, Case{true, kGreen}}) {
    SCOPED_TRACE(c.inCache);
    FillRectSolid(target.Canvas().Handle(), TRect{0, 0, 60, 50}, kWhite);
    TCacheCopy copy{TRect{0, 0, 20, 20}, 2, 2};
    copy.GraphicChildrenInCache = c.inCache;
    CopyCacheToDC(panel, panel->data, copy, target.Canvas().Handle(), TRect{2, 2, 22, 22});
    EXPECT_EQ(At(3, 3), kGreen);
    EXPECT_EQ(At(8, 8), c.underChild) << "the child's place, moved by the offsets";
    EXPECT_EQ(At(23, 3), kWhite) << "outside the destination";
    EXPECT_EQ(At(1, 1), kWhite);
  }
}

TEST_F(CacheCopy, WindowlessChildrenArePaintedOnTheContainersPictureOrTheirColour) {
  auto* see = ChildOf<TSkinnedGraphic>(panel, "button");
  see->SetBounds(2, 2, 6, 6);
  auto* opaque = ChildOf<TOpaqueGraphic>(panel, "button");
  opaque->SetBounds(12, 2, 6, 6);
  opaque->SetColor(kBlue);
  auto* keyed = ChildOf<TSkinnedGraphic>(panel, "button");
  keyed->SetBounds(22, 2, 6, 6);
  // The container's picture is the key colour where the third child's corner lies.
  SetPixel(panel->data.CacheBmp()->Canvas().Handle(), 22, 2, static_cast<COLORREF>(clFuchsia));

  PaintGraphicChildren(target.Canvas().Handle(), panel, POINT{3, 1});

  EXPECT_EQ(At(5, 3), kGreen);
  EXPECT_EQ(At(15, 3), kBlue);
  EXPECT_EQ(At(26, 4), kWhite) << "a child whose corner stays the key colour is left out";
  EXPECT_EQ(At(1, 1), kWhite) << "only the children's places are painted";
}

TEST_F(CacheCopy, AContextThatShowsNothingOnlyTellsTheContainerItIsPartlyCovered) {
  auto* child = ChildOf<TSkinnedGraphic>(panel, "button");
  child->SetBounds(2, 2, 6, 6);
  panel->data.HalfVisible = false;
  HDC dc = target.Canvas().Handle();
  SaveDC(dc);
  IntersectClipRect(dc, 0, 0, 0, 0);
  PaintGraphicChildren(dc, panel, POINT{0, 0});
  RestoreDC(dc, -1);
  EXPECT_TRUE(panel->data.HalfVisible);
  EXPECT_EQ(At(4, 4), kWhite);
}

}  // namespace
}  // namespace sundrel
