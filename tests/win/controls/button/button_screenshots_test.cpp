// Pictures of the button for people to look at: hot, pressed and disabled, each with the page
// around it so that the rounded corners show.
#include <gtest/gtest.h>

#include <string>

#include "button_fixture.h"
#include "screen_capture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr int kMargin = 8;

class ButtonScreenshots : public ButtonTest {
 protected:
  // The screen around the button, scaled up three times so that its corners can be seen.
  void Save(const std::string& name) {
    const POINT origin = ScreenPoint(-kMargin, -kMargin);
    const RECT area{origin.x, origin.y, origin.x + kWidth + 2 * kMargin, origin.y + kHeight + 2 * kMargin};
    SaveScreenshot(CaptureScreen(area), name, 3);
  }
};

TEST_F(ButtonScreenshots, HotPressedAndDisabled) {
  MouseOver();
  FinishFade();
  Save("button-hot.png");
  Send(WM_LBUTTONDOWN, 50, 12);
  FinishFade();
  Save("button-pressed.png");
  Send(WM_LBUTTONUP, 50, 12);
  MouseAway();
  button->SetEnabled(false);
  FinishFade();
  Save("button-disabled.png");
}

}  // namespace
}  // namespace sundrel
