// Section backgrounds, borders and whole control pictures on a small skin written here: every
// pixel of its master bitmap tells which image it belongs to.
#include "skin/section/section_paint.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "pixel_fixture.h"
#include "skin/model/skin_model.h"
#include "skin/section/control_picture.h"
#include "skin_test_files.h"

namespace sundrel {
namespace {

using testing::PixelAt;
using testing::SolidBitmap;

constexpr TColor kTex1 = RGBColor(200, 10, 10), kTex2 = RGBColor(10, 200, 10);
constexpr TColor kEdge = RGBColor(0, 0, 250), kOrn1 = RGBColor(250, 250, 0), kOrn2 = RGBColor(0, 250, 250);
constexpr TColor kColour = RGBColor(0, 50, 250), kHot = RGBColor(90, 90, 30), kGrad = RGBColor(100, 150, 200);
constexpr TColor kBlank = RGBColor(1, 2, 3), kBackFill = RGBColor(70, 60, 50);

// Row 0: a 2 x 1 texture cell (its mask, black, in row 1), a 3 x 3 border and a 2 x 1 ornament.
test::Bytes Master() {
  test::Grid grid{8, 3, std::vector<TColor>(24, clGray)};
  auto set = [&](int x, int y, TColor c) { grid.pixels[y * 8 + x] = c; };
  set(0, 0, kTex1), set(1, 0, kTex2), set(0, 1, clBlack), set(1, 1, clBlack);
  for (int y = 0; y < 3; ++y) {
    for (int x = 2; x < 5; ++x) set(x, y, kEdge);
  }
  set(5, 0, kOrn1), set(6, 0, kOrn2);
  return test::MakeBmp(grid, {});
}

std::string Options() {
  const std::string colour = "COLOR=" + std::to_string(kColour) + "\n";
  const std::string hot = "HOTCOLOR=" + std::to_string(kHot) + "\n";
  const std::string gradient = std::to_string(kGrad) + ";" + std::to_string(kGrad) + ";100;0;0\n";
  std::string text = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n";
  text += "[SHADED]\n" + colour + "GRADIENTPERCENT=40\nGRADIENTDATA=" + gradient;
  text += "[MIXED]\n" + colour + "IMAGEPERCENT=50\nGRADIENTPERCENT=50\nGRADIENTDATA=" + gradient;
  text += "PATTERN=~0000~0000~0002~0001~00~0\n";
  text += "[MASKED]\n" + colour + hot;
  text += "PATTERN=~0000~0000~0002~0002~10~1\nHOTPATTERN=~0000~0000~0002~0002~10~1\n";
  text += "[SEETHROUGH]\n" + colour + "TRANSPARENCY=100\nHOTTRANSPARENCY=100\n";
  text += "[HALF]\n" + colour + "TRANSPARENCY=30\n";
  text += "[PATTERNED]\n" + colour + "IMAGEPERCENT=100\nPATTERN=PICTURE.JPG\n";
  text += "[HOTFRAME]\n" + colour + hot + "BORDERSMASK=^0002^0000^0005^0003^0001^0001^0001^0001^1^0^2^0\n";
  text += "IMGTOPLEFT=@0005@0000@0007@0001@1@0\nIMGBTMRIGHT=@0005@0000@0007@0001@1@0\n";
  return text;
}

const SkinModel& Skin() {
  static const SkinModel model = [] {
    const test::Bytes master = Master();
    // Large enough to be kept whole in the pattern table.
    const test::Bytes picture = test::MakeJpeg(300, 300, [](int x, int y) { return RGBColor(x % 256, y % 256, 90); });
    PackedImages images({{"Master.bmp", master}, {"Picture.jpg", picture}});
    SkinModel loaded;
    loaded.Load(Options(), images);
    return loaded;
  }();
  return model;
}

TacSectionRef Section(const char* name) {
  return {Skin().GetSkinIndex(name), name};
}

// round((a*weight + b*(255 - weight)) / 255) per channel, as a merge keeps a's share.
TColor Merged(TColor a, TColor b, int weight) {
  auto channel = [&](int shift) {
    return (((a >> shift) & 255) * weight + ((b >> shift) & 255) * (255 - weight) + 127) / 255;
  };
  return channel(0) | (channel(8) << 8) | (channel(16) << 16);
}

// A parent picture whose every pixel is different.
TacMemBitmap CodedParent() {
  TacMemBitmap parent = NewBitmap24(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) parent.SetPixel(x, y, RGBColor(10 + x, 20 + y, 7));
  }
  return parent;
}

class SectionPaint : public ::testing::Test {
 protected:
  FreshSlots fresh;
  TacMemBitmap bitmap = SolidBitmap(6, 4, kBlank);
  TacMemBitmap parent = CodedParent();

  TacPaintTarget Whole(int state = 0) { return {bitmap.Pixels(), {0, 0, 6, 4}, {}, state, {}}; }
  TacParentImage Ready(int x = 0, int y = 0) { return {parent.Pixels(), x, y, true}; }
};

TEST_F(SectionPaint, ColourGradientAndTextureMixByTheirShares) {
  struct Case {
    const char* section;
    std::function<TColor(int x, int y)> expected;
    int texture = -1;  // given by the owner; -1: the section's own "PATTERN"
  };
  const Case cases[] = {
      // Gradient 40 percent, no image: the gradient shaded 40 percent towards the colour.
      {"SHADED", [](int, int) { return RGBColor(40, 90, 230); }},
      // Texture and gradient at 50 each: the texture keeps its share, and the last column is the
      // texture alone; together 100 percent, so no shading follows.
      {"MIXED",
       [](int x, int) {
         const TColor texture = x % 2 == 0 ? kTex1 : kTex2;
         return x == 5 ? texture : Merged(texture, kGrad, 127);
       }},
      // A picture of the pattern table, tiled from the corner.
      {"PATTERNED", [](int x, int y) { return Skin().Patterns().at(0).Image->Pixel(x, y); }},
      // A given index that names no image is no texture, and the section's own is not looked up:
      // the gradient alone.
      {"MIXED", [](int, int) { return kGrad; }, 99},
  };
  for (const Case& c : cases) {
    TacSectionRef section = Section(c.section);
    section.TextureIndex = c.texture;
    PaintSectionBackground(Skin(), section, Whole());
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 6; ++x) {
        ASSERT_EQ(bitmap.Pixel(x, y), c.expected(x, y)) << c.section << " at " << x << ", " << y;
      }
    }
  }
}

TEST_F(SectionPaint, AFullyTransparentSectionShowsWhatLiesBehindIt) {
  struct Case {
    const char* what;
    bool parentReady;
    TColor backFill;
    std::function<TColor(int x, int y)> expected;
  };
  // R is (2, 1)-(5, 4), at (3, 2) of a parent picture whose reference starts at (1, 1).
  const Case cases[] = {
      {"no parent picture: its own colour", false, clFuchsia, [](int, int) { return kColour; }},
      {"no parent picture: the parent's colour", false, kBackFill, [](int, int) { return kBackFill; }},
      {"the parent's picture", true, clFuchsia,
       [](int x, int y) { return RGBColor(10 + 1 + 3 + x - 2, 20 + 1 + 2 + y - 1, 7); }},
      {"the parent's colour over its picture", true, kBackFill, [](int, int) { return kBackFill; }},
  };
  for (const Case& c : cases) {
    testing::FillPixels(bitmap.Pixels(), kBlank);
    const SlotScope<TColor> backFill(Shared().BackFillColor, c.backFill);
    const TacParentImage reference = c.parentReady ? Ready(1, 1) : TacParentImage{};
    PaintSection(Skin(), Section("SEETHROUGH"), {bitmap.Pixels(), {2, 1, 5, 4}, {3, 2}, 0, reference}, false);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 6; ++x) {
        const bool inside = x >= 2 && x < 5 && y >= 1;
        ASSERT_EQ(bitmap.Pixel(x, y), inside ? c.expected(x, y) : kBlank) << c.what << " at " << x << ", " << y;
      }
    }
  }
}

TEST_F(SectionPaint, APartlyTransparentSectionKeepsItsShareOfTheParent) {
  PaintSectionBackground(Skin(), Section("HALF"), {bitmap.Pixels(), {0, 0, 6, 4}, {2, 3}, 0, Ready()});
  // 30 percent of the parent: weight 30*255 div 100 = 76.
  EXPECT_EQ(bitmap.Pixel(0, 0), Merged(parent.Pixel(2, 3), kColour, 76));
  EXPECT_EQ(bitmap.Pixel(5, 3), Merged(parent.Pixel(7, 6), kColour, 76));

  // Painting into the parent's own picture mixes with what is already there.
  const TColor before = parent.Pixel(1, 1);
  PaintSectionBackground(Skin(), Section("HALF"), {parent.Pixels(), {1, 1, 3, 3}, {1, 1}, 0, Ready()});
  EXPECT_EQ(parent.Pixel(1, 1), Merged(before, kColour, 76));
}

TEST_F(SectionPaint, AMaskedTextureInWholeRowsLiesOverTheNormalLookOnly) {
  const int index = Skin().GetSkinIndex("MASKED");
  const int normal = Skin().GetTextureIndex(index, "MASKED", "PATTERN");
  const int hot = Skin().GetTextureIndex(index, "MASKED", "HOTPATTERN");
  ASSERT_GE(normal, 0);
  struct Case {
    int texture, hotTexture, state;
    bool textured;
  };
  const Case cases[] = {{normal, hot, 0, true}, {-1, hot, 0, true}, {normal, hot, 1, false}, {normal, hot, 2, false}};
  for (const Case& c : cases) {
    PaintSectionBackground(Skin(), {index, "MASKED", c.texture, c.hotTexture}, Whole(c.state));
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 6; ++x) {
        const TColor expected = c.textured ? (x % 2 == 0 ? kTex1 : kTex2) : kHot;
        ASSERT_EQ(bitmap.Pixel(x, y), expected) << "state " << c.state << " at " << x << ", " << y;
      }
    }
  }
}

TEST_F(SectionPaint, NothingIsPaintedWithoutASectionOrWhereRDoesNotFit) {
  const int index = Skin().GetSkinIndex("HOTFRAME");
  TacMemBitmap wide = SolidBitmap(6, 4, kBlank, false, 4);
  struct Case {
    const char* what;
    int skinIndex;
    TRect r;
    bool wideBitmap = false;
  };
  const Case cases[] = {
      {"no section", -1, {0, 0, 6, 4}},
      {"an index past the table", static_cast<int>(Skin().Sections().size()), {0, 0, 6, 4}},
      {"an empty rectangle", index, {2, 2, 2, 4}},
      {"a rectangle past the right edge", index, {1, 0, 7, 4}},
      {"a rectangle above the bitmap", index, {0, -1, 6, 3}},
      {"a 32-bit bitmap", index, {0, 0, 6, 4}, true},
  };
  for (const Case& c : cases) {
    const TacPixels pixels = c.wideBitmap ? wide.Pixels() : bitmap.Pixels();
    const TacPaintTarget target{pixels, c.r, {}, 1, Ready()};
    PaintSection(Skin(), {c.skinIndex, "HOTFRAME"}, target, true);
    PaintControlPicture(Skin(), {{c.skinIndex, "HOTFRAME"}, 0}, {}, target, true, true);
    EXPECT_EQ(testing::AllPixels(pixels), std::vector<TColor>(24, kBlank)) << c.what;
  }
}

TEST_F(SectionPaint, AScrollPartShowsTheParentWhateverTheBackFillAndTakesTheBorderItIsGiven) {
  const int frame = Skin().GetMaskIndex(Skin().GetSkinIndex("HOTFRAME"), "HOTFRAME", "BORDERSMASK");
  const SlotScope<TColor> backFill(Shared().BackFillColor, kBackFill);
  PaintScrollPart(Skin(), Section("SEETHROUGH"), frame, {bitmap.Pixels(), {0, 0, 6, 4}, {2, 3}, 1, Ready()}, false);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool edge = x == 0 || y == 0 || x == 5 || y == 3;
      ASSERT_EQ(bitmap.Pixel(x, y), edge ? kEdge : parent.Pixel(2 + x, 3 + y)) << x << ", " << y;
    }
  }
}

class ControlPicture : public SectionPaint {
 protected:
  TacControlSkin Frame() {
    const int index = Skin().GetSkinIndex("HOTFRAME");
    return {{index, "HOTFRAME"}, Skin().GetMaskIndex(index, "HOTFRAME", "BORDERSMASK")};
  }
};

TEST_F(ControlPicture, TheBorderThatShowsOnlyWhileHotAndTheOrnamentsAtTheCorners) {
  for (int state : {0, 1}) {
    PaintControlPicture(Skin(), Frame(), {}, Whole(state), false, false);
    const TColor fill = state == 0 ? kColour : kHot;
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 6; ++x) {
        TColor expected = state == 1 && (x == 0 || y == 0 || x == 5 || y == 3) ? kEdge : fill;
        if ((y == 0 && x < 2) || (y == 3 && x >= 4)) expected = x % 2 == 0 ? kOrn1 : kOrn2;
        ASSERT_EQ(bitmap.Pixel(x, y), expected) << "state " << state << " at " << x << ", " << y;
      }
    }
  }
}

TEST_F(ControlPicture, TheCustomColourReplacesTheSections) {
  TacControlSkin control = Frame();
  control.CustomColor = kBackFill;
  PaintControlPicture(Skin(), control, {}, Whole(), false, false);
  EXPECT_EQ(bitmap.Pixel(3, 2), kBackFill);
}

// The painting colours hold while the picture is made and are put back on every way out.
TEST_F(ControlPicture, ThePaintingColoursArePutBackOnEveryWayOut) {
  // A view claiming more pixels than any memory holds: the mixing layer of a half transparent
  // section cannot be made.
  TacPixels huge = bitmap.Pixels();
  huge.RowDelta = 0;
  huge.Width = huge.Height = INT_MAX;
  struct Case {
    const char* what;
    const char* section;
    TacPixels pixels;
    TRect r;
    bool throws;
  };
  const Case cases[] = {
      {"painted", "SEETHROUGH", bitmap.Pixels(), {0, 0, 6, 4}, false},
      {"nothing to paint", "NOSUCH", bitmap.Pixels(), {0, 0, 6, 4}, false},
      {"the layer cannot be made", "HALF", huge, {0, 0, INT_MAX, INT_MAX}, true},
  };
  const SlotScope<TColor> backFill(Shared().BackFillColor, RGBColor(1, 1, 1));
  const SlotScope<TColor> keyFill(Shared().KeyFillColor, RGBColor(2, 2, 2));
  for (const Case& c : cases) {
    const TacControlSkin control{Section(c.section)};
    const TacPaintTarget target{c.pixels, c.r, {}, 0, c.throws ? Ready() : TacParentImage{}};
    auto paint = [&] { PaintControlPicture(Skin(), control, {kBackFill, kBackFill}, target, false, false); };
    if (c.throws) {
      EXPECT_THROW(paint(), std::bad_alloc) << c.what;
    } else {
      paint();
    }
    EXPECT_EQ(Shared().BackFillColor, RGBColor(1, 1, 1)) << c.what;
    EXPECT_EQ(Shared().KeyFillColor, RGBColor(2, 2, 2)) << c.what;
  }
  // While it was painted, the see-through section took the given parent colour.
  EXPECT_EQ(bitmap.Pixel(3, 2), kBackFill);
}

}  // namespace
}  // namespace sundrel
