// What the skinned frame puts on the screen: the caption buttons show the skin's glyph cells of
// their states, the corners that the skin leaves out show what lies under the window, and the
// main window and a message window wear the frame (with screenshots for people to look at).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "app/umain.h"
#include "framework/message_form.h"
#include "provider_fixture.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/model/mask_geometry.h"
#include "skin/model/skin_model.h"
#include "windows/provider/s_skin_provider.h"
#include "windows/provider/title_cover.h"

namespace sundrel {
namespace {

using testing::ProviderOfForm;
using testing::ProviderTest;
using testing::PumpUntil;
using testing::SettledCapture;
using testing::ShowSkinned;

LPARAM ScreenParam(HWND window, int x, int y) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return MAKELPARAM(static_cast<WORD>(bounds.left + x), static_cast<WORD>(bounds.top + y));
}

class FramePixels : public ProviderTest {
 protected:
  int ExpectGlyphCell(HWND window, const TacCaptionButton& button, int state) {
    return testing::ExpectGlyphCell(*Manager(), window, button, state);
  }
};

TEST_F(FramePixels, CaptionButtonsShowTheCellOfTheirState) {
  TForm* form = ShownForm();
  const HWND window = form->Handle();
  TsSkinProvider* provider = ProviderOfForm(form);
  SetCursorPos(0, 0);
  SettledCapture(window);
  for (const TacCaptionButton& button : provider->CaptionButtons()) {
    SCOPED_TRACE(button.HitCode);
    ASSERT_GE(button.MaskIndex, 0);
    const int x = (button.Rect.Left + button.Rect.Right) / 2;
    const int y = (button.Rect.Top + button.Rect.Bottom) / 2;
    EXPECT_GT(ExpectGlyphCell(window, button, 0), 10) << "normal";
    SendMessageW(window, WM_NCHITTEST, 0, ScreenParam(window, x, y));
    EXPECT_GT(ExpectGlyphCell(window, button, 1), 10) << "hot";
    SendMessageW(window, WM_NCLBUTTONDOWN, button.HitCode, ScreenParam(window, x, y));
    EXPECT_GT(ExpectGlyphCell(window, button, 2), 10) << "pressed";
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(form->ClientWidth() / 2), 10));
    EXPECT_GT(ExpectGlyphCell(window, button, 0), 10) << "released off it";
  }
}

TEST_F(FramePixels, TheCornersLeftOutShowWhatLiesUnderTheWindow) {
  Manager();
  constexpr COLORREF kUnder = RGB(0, 255, 0);
  TOwned<TForm> backdrop(new TForm(application.get()));
  backdrop->SetTag(kNotSkinnedTag);
  backdrop->SetBorderStyle(bsNone);
  backdrop->SetColor(static_cast<TColor>(kUnder));
  backdrop->SetBounds(60, 60, 460, 320);
  backdrop->Show();
  TForm* form = ShownForm();
  const HWND window = form->Handle();
  const testing::TScreenShot shot = SettledCapture(window);
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window, region.get()), ERROR) << "the window has a region";
  RECT bounds = shot.Area;
  const int width = bounds.right - bounds.left;
  int outside = 0;
  int inside = 0;
  for (int y = 0; y < 8; ++y) {
    for (int x : {0, 1, 2, 3, 4, 5, width - 6, width - 5, width - 4, width - 3, width - 2, width - 1}) {
      const COLORREF seen = shot.At(bounds.left + x, bounds.top + y);
      if (PtInRegion(region.get(), x, y)) {
        ++inside;
        EXPECT_NE(seen, kUnder) << "(" << x << ", " << y << ") belongs to the frame";
      } else {
        ++outside;
        EXPECT_EQ(seen, kUnder) << "(" << x << ", " << y << ") is left out";
      }
    }
  }
  EXPECT_GT(outside, 0) << "the skin rounds the title bar's corners";
  EXPECT_GT(inside, 0);
}

// The main window, active and inactive, and a message window wear the skin's frame: their caption
// buttons show the skin's cells, and the main window's frame changes as it loses activation.
// Pictures of them are saved for people to look at.
TEST_F(FramePixels, TheMainAndMessageWindowsShowTheSkinsFrame) {
  const auto expectSkinnedButtons = [&](TCustomForm* form) {
    TsSkinProvider* provider = ProviderOfForm(form);
    ASSERT_NE(provider, nullptr);
    ASSERT_FALSE(provider->CaptionButtons().empty());
    for (const TacCaptionButton& button : provider->CaptionButtons()) {
      SCOPED_TRACE(button.HitCode);
      EXPECT_GT(ExpectGlyphCell(form->Handle(), button, 0), 10);
    }
  };
  auto* main = application->CreateForm<Tfrmmain>();
  ASSERT_TRUE(ShowSkinned(*main));
  SetCursorPos(0, 0);
  const testing::TScreenShot active = SettledCapture(main->Handle());
  testing::SaveScreenshot(active, "provider-main-active.png");
  {
    SCOPED_TRACE("main window");
    expectSkinnedButtons(main);
  }

  TOwned<TForm> other(new TForm(application.get()));
  other->SetBounds(0, 0, 60, 40);
  ASSERT_TRUE(ShowSkinned(*other));
  const testing::TScreenShot inactive = SettledCapture(main->Handle());
  testing::SaveScreenshot(inactive, "provider-main-inactive.png");
  EXPECT_NE(inactive, active) << "the skin draws an inactive frame of its own";
  other->Hide();

  TOwned<TMessageForm> message(new TMessageForm(application.get(), "文件分割完毕"));
  ASSERT_TRUE(ShowSkinned(*message));
  testing::SaveScreenshot(SettledCapture(message->Handle()), "provider-message-split-finished.png");
  SCOPED_TRACE("message window");
  expectSkinnedButtons(message.get());
}

}  // namespace
}  // namespace sundrel
