// The skinned title bar's buttons: each answers its own hit code, a disabled one answers as the
// caption, and a press counts only when the mouse is released over the same button.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "provider_fixture.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {
namespace {

using testing::Mark;
using testing::ProviderOfForm;
using testing::ProviderTest;
using testing::PumpUntil;
using testing::SettledCapture;
using testing::StillMarked;

POINT ScreenPoint(HWND window, int x, int y) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return POINT{bounds.left + x, bounds.top + y};
}

POINT Centre(HWND window, const TRect& r) {
  return ScreenPoint(window, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

LPARAM PointParam(POINT p) {
  return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

int HitAt(HWND window, POINT screen) {
  return static_cast<int>(SendMessageW(window, WM_NCHITTEST, 0, PointParam(screen)));
}

class CaptionButtons : public ProviderTest {};

TEST_F(CaptionButtons, EachButtonAnswersItsHitCode) {
  struct Case {
    const char* name;
    TFormBorderStyle border;
    TBorderIcons icons;
    std::vector<int> buttons;  // from the right
    bool icon;
  };
  const Case cases[] = {
      {"the main window's border", bsSingle, biSystemMenu | biMinimize, {HTCLOSE, HTMINBUTTON}, true},
      {"a sizeable form",
       bsSizeable,
       biSystemMenu | biMinimize | biMaximize,
       {HTCLOSE, HTMAXBUTTON, HTMINBUTTON},
       true},
      {"a message window's border", bsDialog, biSystemMenu | biMinimize | biMaximize, {HTCLOSE}, false},
      {"no system menu", bsSingle, biMinimize, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm* form = ShownForm(c.border, c.icons);
    const HWND window = form->Handle();
    TsSkinProvider* provider = ProviderOfForm(form);
    ASSERT_NE(provider, nullptr);
    const std::vector<TacCaptionButton> buttons = provider->CaptionButtons();
    std::vector<int> codes;
    for (const TacCaptionButton& button : buttons) {
      codes.push_back(button.HitCode);
      EXPECT_EQ(HitAt(window, Centre(window, button.Rect)), button.HitCode);
      EXPECT_EQ(provider->HotButton(), button.HitCode) << "the button under the mouse is hot";
    }
    EXPECT_EQ(codes, c.buttons);
    const RECT icon = provider->IconRect();
    EXPECT_EQ(IsRectEmpty(&icon) == FALSE, c.icon);
    if (c.icon) {
      EXPECT_EQ(HitAt(window, ScreenPoint(window, (icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2)),
                HTSYSMENU);
    }
    EXPECT_EQ(HitAt(window, ScreenPoint(window, form->Width() / 2, 10)), HTCAPTION);
    EXPECT_EQ(provider->HotButton(), 0);
    EXPECT_EQ(HitAt(window, ScreenPoint(window, form->Width() / 2, form->Height() / 2)), HTCLIENT);
    form->Free();
  }
}

TEST_F(CaptionButtons, ADisabledMinimizeButtonAnswersAsTheCaption) {
  TForm* form = ShownForm(bsSizeable, biSystemMenu | biMaximize);
  for (const TacCaptionButton& button : ProviderOfForm(form)->CaptionButtons()) {
    if (button.HitCode != HTMINBUTTON) continue;
    EXPECT_FALSE(button.Enabled);
    EXPECT_EQ(HitAt(form->Handle(), Centre(form->Handle(), button.Rect)), HTCAPTION);
    return;
  }
  ADD_FAILURE() << "a sizeable form shows its minimize button";
}

TEST_F(CaptionButtons, OnlyTheButtonThatTurnsHotIsRepainted) {
  TForm* form = ShownForm(bsSizeable, biSystemMenu | biMinimize | biMaximize);
  const HWND window = form->Handle();
  TsSkinProvider* provider = ProviderOfForm(form);
  const std::vector<TacCaptionButton> buttons = provider->CaptionButtons();
  ASSERT_EQ(buttons.size(), 3u);
  const TacCaptionButton& close = buttons[0];
  const TacCaptionButton& maximize = buttons[1];
  const TRect caption{80, close.Rect.Top, 100, close.Rect.Bottom};
  const POINT onCaption = Centre(window, caption);
  SetCursorPos(onCaption.x, onCaption.y);
  SettledCapture(window);
  ASSERT_EQ(provider->HotButton(), 0);

  for (const TRect& r : {caption, maximize.Rect, close.Rect}) Mark(window, r);
  ASSERT_TRUE(StillMarked(window, caption)) << "the marker shows";
  const POINT onMaximize = Centre(window, maximize.Rect);
  SetCursorPos(onMaximize.x, onMaximize.y);
  EXPECT_EQ(HitAt(window, onMaximize), HTMAXBUTTON);
  EXPECT_FALSE(StillMarked(window, maximize.Rect));
  EXPECT_TRUE(StillMarked(window, caption));
  EXPECT_TRUE(StillMarked(window, close.Rect));
  EXPECT_GT(testing::ExpectGlyphCell(*Manager(), window, maximize, 1), 10);
  SetCursorPos(0, 0);  // off every window the next tests show
}

TEST_F(CaptionButtons, APressCountsOnlyWhenReleasedOverTheSameButton) {
  enum Place { OverButton, OverCaption, OverClient };
  struct Case {
    const char* name;
    int pressed;
    Place release;
    WPARAM keys;
    WPARAM command;  // 0: none
  };
  const Case cases[] = {
      {"close, released on it", HTCLOSE, OverButton, 0, SC_CLOSE},
      {"close, moved off to the caption", HTCLOSE, OverCaption, 0, 0},
      {"close, moved off to the client area", HTCLOSE, OverClient, 0, 0},
      {"minimize, released on it with Ctrl", HTMINBUTTON, OverButton, MK_CONTROL, SC_MINIMIZE},
      // MK_CONTROL has the value of HTMINBUTTON: the keys must not be read as a place.
      {"minimize, moved off with Ctrl", HTMINBUTTON, OverClient, MK_CONTROL, 0},
  };
  TForm* form = ShownForm();
  const HWND window = form->Handle();
  TsSkinProvider* provider = ProviderOfForm(form);
  std::vector<WPARAM> commands;
  const TRemovalToken watch = form->MessageHooks().Add([&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == WM_SYSCOMMAND) {
      commands.push_back(message.WParam & 0xFFF0);
      return;
    }
    passOn(message);
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    commands.clear();
    TRect button{};
    for (const TacCaptionButton& b : provider->CaptionButtons()) {
      if (b.HitCode == c.pressed) button = b.Rect;
    }
    const POINT on = Centre(window, button);
    SendMessageW(window, WM_NCLBUTTONDOWN, c.pressed, PointParam(on));
    EXPECT_EQ(GetCapture(), window);
    EXPECT_EQ(provider->HotButton(), c.pressed);
    POINT release = on;
    if (c.release == OverCaption) release = ScreenPoint(window, form->Width() / 2, 10);
    if (c.release == OverClient) release = ScreenPoint(window, form->Width() / 2, form->Height() / 2);
    ScreenToClient(window, &release);
    SendMessageW(window, WM_LBUTTONUP, c.keys, PointParam(release));
    PumpUntil([] { return false; }, 30);
    EXPECT_EQ(commands, c.command == 0 ? std::vector<WPARAM>{} : std::vector<WPARAM>{c.command});
    EXPECT_EQ(provider->HotButton(), 0);
    EXPECT_NE(GetCapture(), window);
  }
}

}  // namespace
}  // namespace sundrel
