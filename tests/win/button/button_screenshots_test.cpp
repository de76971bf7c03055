// Pictures of the button for people to look at: hot, pressed and disabled, each with the page
// around it so that the rounded corners show.
#include <gtest/gtest.h>

#include <string>

#include "button_fixture.h"
#include "png/png_writer.h"
#include "screenshot_folder.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr int kMargin = 8;

class ButtonScreenshots : public ButtonTest {
 protected:
  // The screen around the button, scaled up three times so that its corners can be seen.
  void Save(const std::string& name) {
    const std::string folder = ScreenshotFolder();
    if (folder.empty()) return;
    const POINT origin = ScreenPoint(-kMargin, -kMargin);
    const int width = kWidth + 2 * kMargin, height = kHeight + 2 * kMargin, scale = 3;
    const WindowDC screen(nullptr);
    std::vector<uint8_t> rgb;
    for (int y = 0; y < height * scale; ++y) {
      for (int x = 0; x < width * scale; ++x) {
        const COLORREF pixel = GetPixel(screen.get(), origin.x + x / scale, origin.y + y / scale);
        rgb.insert(rgb.end(), {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)});
      }
    }
    WritePng(folder + name, width * scale, height * scale, rgb);
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
