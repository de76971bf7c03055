// The label shadow's blur: the buffer's size is worked out without overflow and refused when
// absurd, the blur spreads as far as its passes reach, and the shade mixes towards the shadow.
#include "paint/text_shadow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "pixel_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

struct SizeCase {
  int width, height;
  std::optional<size_t> bytes;
};

TEST(ShadowBufferSize, IsWorkedOutInSixtyFourBitsAndRefusedBeyondTheCap) {
  const SizeCase cases[] = {
      {1, 1, 18},
      {224, 22, 226 * 24 * 2},
      {0, 10, std::nullopt},
      {10, -1, std::nullopt},
      // 46342 x 46342 x 2 wraps a 32-bit product round to a small number.
      {46340, 46340, std::nullopt},
      {0x7FFFFFFF, 0x7FFFFFFF, std::nullopt},
      {4094, 8190, size_t{4096} * 8192 * 2},  // exactly at the cap
      {4095, 8190, std::nullopt},
  };
  for (const SizeCase& c : cases) {
    EXPECT_EQ(ShadowBufferSize(c.width, c.height), c.bytes) << c.width << " x " << c.height;
  }
}

TEST(ShadowMask, RefusesATextPictureBeyondTheCapWithoutAllocating) {
  TacPixels huge{reinterpret_cast<uint8_t*>(1), -4, 40000, 40000, 4};
  TacShadowMask mask;
  EXPECT_FALSE(mask.Build(huge, 4));
  EXPECT_EQ(mask.Capacity(), 0u);
}

// One text pixel in the middle of a wide picture.
TacMemBitmap Dot(int size) {
  TacMemBitmap text = SolidBitmap(size, size, clBlack, true, 4);
  SetPixelAt(text.Pixels(), size / 2, size / 2, clWhite);
  return text;
}

TEST(ShadowMask, OnePassAveragesInPlaceRowByRow) {
  TacMemBitmap text = Dot(5);
  TacShadowMask mask;
  ASSERT_TRUE(mask.Build(text.Pixels(), 1));
  // Left and upper neighbours already hold their new values when a byte is averaged: the stamp
  // (2, 2) sees 63 above and 63 on its left, and the byte on its right sees the new stamp.
  EXPECT_EQ(mask.At(2, 1), 255 >> 2);
  EXPECT_EQ(mask.At(1, 2), 255 >> 2);
  EXPECT_EQ(mask.At(2, 2), (63 + 63) >> 2);
  EXPECT_EQ(mask.At(3, 1), 63 >> 2);
  EXPECT_EQ(mask.At(3, 2), (15 + 31) >> 2);
  EXPECT_EQ(mask.At(0, 0), 0);
}

// How far from the dot at (20, 20) the mask is not 0, to the left and above, and in all.
struct Reach {
  int leftOrUp = 0, any = 0;
};

Reach ReachOf(const TacShadowMask& mask) {
  Reach reach;
  for (int y = 0; y < 41; ++y) {
    for (int x = 0; x < 41; ++x) {
      if (mask.At(x, y) == 0) continue;
      reach.leftOrUp = std::max({reach.leftOrUp, 20 - x, 20 - y});
      reach.any = std::max({reach.any, std::abs(x - 20), std::abs(y - 20)});
    }
  }
  return reach;
}

TEST(ShadowMask, SpreadsOnePixelAPassTowardsTheTopLeftAndNoMoreThanEightInEightPasses) {
  for (int passes : {1, 4, 8}) {
    TacMemBitmap text = Dot(41);
    TacShadowMask mask;
    ASSERT_TRUE(mask.Build(text.Pixels(), passes));
    const Reach reach = ReachOf(mask);
    EXPECT_GT(reach.leftOrUp, 0) << passes;
    EXPECT_LE(reach.leftOrUp, passes) << passes;
    if (passes == 8) {
      EXPECT_LE(reach.any, 8);
    }
  }
}

TEST(ShadowMask, KeepsItsBufferWhenTheTextShrinks) {
  TacShadowMask mask;
  TacMemBitmap big = Dot(30);
  ASSERT_TRUE(mask.Build(big.Pixels(), 2));
  const size_t capacity = mask.Capacity();
  TacMemBitmap blank = SolidBitmap(5, 5, clBlack, true, 4);
  ASSERT_TRUE(mask.Build(blank.Pixels(), 2));
  EXPECT_EQ(mask.Capacity(), capacity);
  // Nothing of the larger text's shadow is left in the reused buffer.
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(mask.At(x, y), 0) << x << ", " << y;
  }
}

TEST(ShadeWithMask, MixesEachPixelTowardsTheShadowByItsStrength) {
  TacMemBitmap text = SolidBitmap(3, 1, clBlack, true, 4);
  SetPixelAt(text.Pixels(), 0, 0, clWhite);
  TacShadowMask mask;
  ASSERT_TRUE(mask.Build(text.Pixels(), 1));
  TacMemBitmap picture = SolidBitmap(3, 1, RGBColor(200, 100, 0), true, 4);
  ShadeWithMask(picture.Pixels(), mask, RGBColor(0, 0, 240));
  const int k0 = mask.At(0, 0), k2 = mask.At(2, 0);
  EXPECT_EQ(PixelAt(picture.Pixels(), 0, 0),
            RGBColor((200 * (255 - k0)) >> 8, (100 * (255 - k0)) >> 8, (240 * k0) >> 8));
  ASSERT_EQ(k2, 0);
  // No shadow leaves the pixel a shade darker: the mix divides by 256.
  EXPECT_EQ(PixelAt(picture.Pixels(), 2, 0), RGBColor(200 * 255 >> 8, 100 * 255 >> 8, 0));
}

}  // namespace
}  // namespace sundrel
