#include <gtest/gtest.h>

#include "dib_fixture.h"
#include "paint/key_region_win32.h"

namespace sundrel {
namespace {

using testing::DibCanvas;

TEST(RegionFromKeyColor, LeavesOutExactlyTheKeyPixels) {
  DibCanvas canvas(12, 9, 24, false, RGBColor(0xFE, 0, 0xFF));  // one step off the key everywhere
  // Rounded corners and a hole in the middle.
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {11, 8}, {10, 8}, {11, 7}, {5, 4}, {6, 4}}) {
    SetPixelV(canvas.Dc(), x, y, RGB(255, 0, 255));
  }
  UniqueRegion region = RegionFromKeyColor(canvas.Pixels(), clFuchsia);
  ASSERT_TRUE(region);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 12; ++x) {
      EXPECT_EQ(PtInRegion(region.get(), x, y) != 0, canvas.Pixel(x, y) != clFuchsia) << x << "," << y;
    }
  }
  RECT box;
  EXPECT_EQ(GetRgnBox(region.get(), &box), COMPLEXREGION);
  EXPECT_EQ(box.right, 12);
  EXPECT_EQ(box.bottom, 9);
}

TEST(RegionFromKeyColor, AllKeyIsEmptyNoKeyOrTooSmallIsTheWholeRectangle) {
  struct Case {
    int width, height;
    TColor fill;
    int kind;
    RECT box;
  };
  const Case cases[] = {
      {7, 5, clFuchsia, NULLREGION, {0, 0, 0, 0}},
      {7, 5, clWhite, SIMPLEREGION, {0, 0, 7, 5}},
      {1, 5, clFuchsia, SIMPLEREGION, {0, 0, 1, 5}},
  };
  for (const Case& c : cases) {
    DibCanvas canvas(c.width, c.height, 24, true, c.fill);
    UniqueRegion region = RegionFromKeyColor(canvas.Pixels(), clFuchsia);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.get(), &box), c.kind) << c.width << " " << c.fill;
    EXPECT_TRUE(EqualRect(&box, &c.box)) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
  }
}

TEST(RegionFromKeyColor, ShapesARealWindow) {
  DibCanvas canvas(40, 30, 24, false, clWhite);
  PatBlt(canvas.Dc(), 0, 0, 10, 30, BLACKNESS);
  HBRUSH key = CreateSolidBrush(RGB(255, 0, 255));
  const RECT left{0, 0, 10, 30};
  FillRect(canvas.Dc(), &left, key);
  DeleteObject(key);
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ASSERT_NE(SetWindowRgn(window, RegionFromKeyColor(canvas.Pixels(), clFuchsia).release(), FALSE), 0);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, copy), SIMPLEREGION);
  RECT box;
  GetRgnBox(copy, &box);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.right, 40);
  DeleteObject(copy);
  DestroyWindow(window);
}

}  // namespace
}  // namespace sundrel
