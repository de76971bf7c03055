// A skinned control's text with the program's own skin: "FORMTITLE" has a bottom contour in each
// state, "BUTTON" none, and "WEBBUTTON" is a link.
#include "controls/skinned_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "paint/dc_paint_win32.h"
#include "tidewater_controls.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr TColor kBackdrop = 0x404040;
constexpr TColor kNone = clFuchsia;
constexpr int kWidth = 160, kHeight = 48;

// What the text left on a canvas of the backdrop colour.
class Ink {
 public:
  explicit Ink(TBitmap& bitmap) : bitmap_(bitmap) {}
  TColor At(int x, int y) const { return static_cast<TColor>(GetPixel(bitmap_.Canvas().Handle(), x, y)); }
  bool Shows(TColor colour) const {
    return Any([&](int x, int y) { return At(x, y) == colour; });
  }
  // Every pixel lies between the backdrop and the colour, channel by channel: the text and its
  // smoothed edges, nothing in another colour.
  bool OnlyBlendsOf(TColor colour) const {
    return !Any([&](int x, int y) {
      const TColor pixel = At(x, y);
      for (int shift : {0, 8, 16}) {
        const int value = (pixel >> shift) & 0xFF, a = (kBackdrop >> shift) & 0xFF, b = (colour >> shift) & 0xFF;
        if (value < std::min(a, b) || value > std::max(a, b)) return true;
      }
      return false;
    });
  }
  int LongestRow() const {
    int longest = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0, run = 0; x < kWidth; ++x) {
        run = At(x, y) == kBackdrop ? 0 : run + 1;
        longest = std::max(longest, run);
      }
    }
    return longest;
  }
  template <class Test>
  bool Any(Test test) const {
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (test(x, y)) return true;
      }
    }
    return false;
  }

 private:
  TBitmap& bitmap_;
};

class SkinnedText : public TidewaterControls {
 protected:
  TSkinnedPanel* ControlOf(const std::string& section) {
    auto* control = ChildOf<TSkinnedPanel>(form, section);
    control->Font().SetName("Tahoma");
    control->Font().SetHeight(-24);
    control->Font().SetStyle(fsBold);
    return control;
  }
  TBitmap& Blank() {
    canvas = std::make_unique<TBitmap>(kWidth, kHeight);
    FillRectSolid(canvas->Canvas().Handle(), TRect{0, 0, kWidth, kHeight}, kBackdrop);
    return *canvas;
  }
  std::unique_ptr<TBitmap> canvas;
};

TEST_F(SkinnedText, ContoursDisabledMixAndLinkUnderlineFollowTheSectionAndState) {
  struct Case {
    const char* section;
    bool enabled, hot;
    TColor text;
    TColor contour;  // kNone: the section has none
    bool underline;
  };
  const Case cases[] = {
      {"FORMTITLE", true, false, 7626830, 16777215, false},
      {"FORMTITLE", true, true, 16777215, 7490086, false},
      {"BUTTON", true, false, 4467736, kNone, false},
      {"BUTTON", true, true, 3547150, kNone, false},
      {"BUTTON", false, false, MixColors(4467736, 14862512, 0.4), kNone, false},
      {"WEBBUTTON", true, false, 10510870, kNone, false},
      {"WEBBUTTON", true, true, 8406024, kNone, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + (c.enabled ? "" : " disabled") + (c.hot ? " hot" : ""));
    TSkinnedPanel* control = ControlOf(c.section);
    TBitmap& bitmap = Blank();
    TCanvas& canvas = bitmap.Canvas();
    DrawSkinnedText(canvas, "iiiiii", c.enabled, c.hot, control->data, DT_SINGLELINE | DT_LEFT | DT_TOP,
                    RECT{4, 4, kWidth - 4, kHeight - 4});
    const Ink ink(bitmap);
    EXPECT_TRUE(ink.Shows(c.text));
    if (c.contour != kNone) {
      EXPECT_TRUE(ink.Shows(c.contour));
    } else {
      EXPECT_TRUE(ink.OnlyBlendsOf(c.text)) << "a single pass in the text's colour";
    }
    EXPECT_EQ(canvas.Font().Color(), c.text);
    EXPECT_EQ(canvas.Font().Name(), "Tahoma") << "the owner's font";
    EXPECT_EQ((canvas.Font().Style() & fsUnderline) != 0, c.underline);
    // Apart, the letters leave short runs; an underline joins them.
    EXPECT_EQ(ink.LongestRow() > 30, c.underline) << ink.LongestRow();
  }
}

TEST_F(SkinnedText, NothingIsDrawnOutsideTheRectangleAndTheContextIsLeftAsItWas) {
  TSkinnedPanel* control = ControlOf("FORMTITLE");
  TBitmap& bitmap = Blank();
  const RECT r{10, 4, 40, 44};
  DrawSkinnedText(bitmap.Canvas(), "WWWWWW", true, false, control->data, DT_SINGLELINE | DT_LEFT | DT_TOP, r);
  const Ink ink(bitmap);
  EXPECT_FALSE(ink.Any([&](int x, int y) { return (x < r.left || x >= r.right) && ink.At(x, y) != kBackdrop; }));
  EXPECT_TRUE(ink.Shows(7626830));
  UniqueRegion clip(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetClipRgn(bitmap.Canvas().Handle(), clip.get()), 0) << "no clip region stays behind";
}

}  // namespace
}  // namespace sundrel
