// The button on the screen, hot, pressed and disabled, shows its state's picture; the pictures are
// saved for people to look at, each with the page around it so that the rounded corners show.
#include <gtest/gtest.h>

#include <string>

#include "button_fixture.h"
#include "screen_capture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr int kMargin = 8;
// On the border's top edge, left of the caption: each border cell has its own pixel here.
constexpr POINT kBorderPixel{20, 1};

class ButtonScreenshots : public ButtonTest {
 protected:
  // Expects the screen to show the border pixel as the window paints it, then saves the screen
  // around the button, scaled up three times so that its corners can be seen.
  void ExpectShownAndSave(const std::string& name) {
    const auto painted = static_cast<COLORREF>(Shown().At(kBorderPixel.x, kBorderPixel.y));
    const POINT border = ScreenPoint(kBorderPixel.x, kBorderPixel.y);
    const RECT pixel{border.x, border.y, border.x + 1, border.y + 1};
    EXPECT_TRUE(PumpUntil([&] { return CaptureScreen(pixel).Pixels[0] == painted; }))
        << name << ": the screen does not show the button's picture";
    const POINT origin = ScreenPoint(-kMargin, -kMargin);
    const RECT area{origin.x, origin.y, origin.x + kWidth + 2 * kMargin, origin.y + kHeight + 2 * kMargin};
    SaveScreenshot(CaptureScreen(area), name, 3);
  }
};

TEST_F(ButtonScreenshots, TheScreenShowsTheHotPressedAndDisabledPictures) {
  const auto border = [](const TPicture& picture) { return picture.At(kBorderPixel.x, kBorderPixel.y); };
  const TColor normal = border(Reference(0));
  MouseOver();
  FinishFade();
  EXPECT_EQ(border(Shown()), border(Reference(1))) << "hot";
  ExpectShownAndSave("button-hot.png");
  Send(WM_LBUTTONDOWN, 50, 12);
  FinishFade();
  EXPECT_EQ(border(Shown()), border(Reference(2))) << "pressed";
  ExpectShownAndSave("button-pressed.png");
  Send(WM_LBUTTONUP, 50, 12);
  MouseAway();
  button->SetEnabled(false);
  FinishFade();
  EXPECT_NE(border(Shown()), normal) << "the disabled picture is faded toward the page";
  ExpectShownAndSave("button-disabled.png");
}

}  // namespace
}  // namespace sundrel
