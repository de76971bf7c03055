// The frames of a show animation: how many there are for a duration code, and how each one mixes
// the old screen with the new picture.
#include "paint/show_frames.h"

#include <gtest/gtest.h>

#include "pixel_fixture.h"

namespace sundrel {
namespace {

using sundrel::testing::BitmapOf;
using sundrel::testing::PixelAt;
using sundrel::testing::SolidBitmap;

TEST(ShowFrameWeights, ShortCodesShowTheNewPictureAtOnceAndLongerOnesFadeFromTheOldScreen) {
  struct Case {
    int code;
    std::vector<int> weights;
  };
  const Case cases[] = {
      {0, {}}, {7, {}}, {8, {255, 0}}, {16, {255, 128, 1}}, {31, {255, 170, 85, 0}}, {40, {255, 204, 153, 102, 51, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ShowFrameWeights(c.code), c.weights);
  }
}

TEST(BlendShowFrame, MixesEachChannelByTheWeightOfTheOldScreen) {
  TacMemBitmap old = BitmapOf(2, 1, {RGBColor(200, 0, 255), RGBColor(10, 20, 30)});
  TacMemBitmap now = BitmapOf(2, 1, {RGBColor(100, 255, 0), RGBColor(10, 20, 30)});
  struct Case {
    int weight;
    TColor first;
  };
  // (w*(old - new) + new*256) shr 8 per channel.
  const Case cases[] = {
      {255, RGBColor(199, 0, 254)},  // practically the old screen
      {128, RGBColor(150, 127, 127)},
      {0, RGBColor(100, 255, 0)},  // the new picture
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.weight);
    TacMemBitmap frame = SolidBitmap(2, 1, 0, true, 4);
    BlendShowFrame(frame.Pixels(), old.Pixels(), now.Pixels(), c.weight);
    EXPECT_EQ(PixelAt(frame.Pixels(), 0, 0) & 0xFFFFFF, c.first);
    EXPECT_EQ(PixelAt(frame.Pixels(), 1, 0) & 0xFFFFFF, RGBColor(10, 20, 30)) << "equal pixels stay";
  }
}

}  // namespace
}  // namespace sundrel
