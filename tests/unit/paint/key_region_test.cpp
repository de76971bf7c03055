#include "paint/key_region.h"

#include <gtest/gtest.h>

#include <vector>

#include "pixel_fixture.h"

namespace sundrel {
namespace {

constexpr TColor K = clFuchsia;
constexpr TColor O = RGBColor(0xFE, 0, 0xFF);  // one step off the key: opaque

TEST(KeyRegion, CoversExactlyTheNonKeyPixels) {
  struct Case {
    const char* name;
    int width, height;
    std::vector<TColor> pixels;
    std::vector<TRect> expected;
  };
  const Case cases[] = {
      {"no key", 3, 2, {O, O, O, O, O, O}, {{0, 0, 3, 2}}},
      {"only key", 3, 2, {K, K, K, K, K, K}, {}},
      {"rounded corners",
       4,
       4,
       {K, O, O, K,  //
        O, O, O, O,  //
        O, O, O, O,  //
        K, O, O, K},
       {{1, 0, 3, 1}, {0, 1, 4, 3}, {1, 3, 3, 4}}},
      {"two runs a row, repeated", 5, 3, {O, K, O, O, K, O, K, O, O, K, O, K, O, O, K}, {{0, 0, 1, 3}, {2, 0, 4, 3}}},
      {"a key row between", 2, 3, {O, O, K, K, O, O}, {{0, 0, 2, 1}, {0, 2, 2, 3}}},
      {"too small to scan", 1, 3, {K, K, K}, {{0, 0, 1, 3}}},
  };
  for (const Case& c : cases) {
    TacMemBitmap bitmap(c.width, c.height, 3, /*bottomUp=*/true);
    for (int i = 0; i < c.width * c.height; ++i)
      testing::SetPixelAt(bitmap.Pixels(), i % c.width, i / c.width, c.pixels[i]);
    EXPECT_EQ(NonKeyRectangles(bitmap.Pixels(), K), c.expected) << c.name;
  }
}

TEST(KeyRegion, ComparesTheLowTwentyFourBitsOfTheKey) {
  TacMemBitmap bitmap = testing::BitmapOf(2, 2, {K, O, O, O});
  const TColor keyWithHighByte = static_cast<TColor>(0x01000000 | K);
  EXPECT_EQ(NonKeyRectangles(bitmap.Pixels(), keyWithHighByte), (std::vector<TRect>{{1, 0, 2, 1}, {0, 1, 2, 2}}));
}

TEST(KeyRegion, ARectangleLessHolesIsCoveredExactly) {
  struct Case {
    const char* name;
    int width, height;
    std::vector<TRect> holes;
    std::vector<TRect> expected;
  };
  const Case cases[] = {
      {"no holes", 5, 3, {}, {{0, 0, 5, 3}}},
      {"rounded corners",
       4,
       4,
       {{3, 3, 4, 4}, {0, 0, 1, 1}, {3, 0, 4, 1}, {0, 3, 1, 4}},
       {{1, 0, 3, 1}, {0, 1, 4, 3}, {1, 3, 3, 4}}},
      {"overlapping holes in any order", 6, 1, {{3, 0, 5, 1}, {0, 0, 1, 1}, {4, 0, 6, 1}}, {{1, 0, 3, 1}}},
      {"a tall hole reaching outside", 4, 3, {{-2, -1, 1, 2}}, {{1, 0, 4, 2}, {0, 2, 4, 3}}},
      {"a whole row out", 2, 3, {{0, 1, 2, 2}}, {{0, 0, 2, 1}, {0, 2, 2, 3}}},
      {"all out", 2, 2, {{0, 0, 2, 2}}, {}},
      {"no size", 0, 3, {}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(RectanglesWithout(c.width, c.height, c.holes), c.expected) << c.name;
}

}  // namespace
}  // namespace sundrel
