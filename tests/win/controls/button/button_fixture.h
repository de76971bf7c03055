// A skinned button on a page of the program's own skin: a form whose manager holds the stored
// "Tidewater (internal)", a "PANEL" that shows and lends its picture as the program's pages do,
// and a 113 x 25 TsButton on it beside an edit that has the focus, with the mouse cursor kept
// away unless a test moves it.
#pragma once

#include <windows.h>

#include <vector>

#include "controls/s_button.h"
#include "framework/removal_token.h"
#include "skin/manager/skin_command_win32.h"
#include "skin_data_fixture.h"

namespace sundrel::testing {

inline constexpr int kLeft = 40, kTop = 30, kWidth = 113, kHeight = 25;

// A panel that paints its skin picture from its cache, rebuilding it when it is out of date and
// telling its children afterwards, as a skinned page does.
class TPicturePanel : public TSkinned<TPanel> {
 public:
  explicit TPicturePanel(TComponent* owner) : TSkinned<TPanel>(owner) {}
  void BuildPicture();

 protected:
  void PaintWindow(HDC dc) override;
  // Passes the manager's announcements on to the children and repaints after a skin change, as
  // a skinned container does.
  void WndProc(TMessage& message) override;
};

// A button's (or a frame's) pixels, top row first, as 0x00BBGGRR.
struct TPicture {
  int Width = 0;
  int Height = 0;
  std::vector<TColor> Pixels;
  TColor At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
  bool operator==(const TPicture&) const = default;
};
TPicture PictureOf(const TBitmap& bitmap);

// Counts the frames of the button's fades and keeps the last one.
class TFadeFrames {
 public:
  explicit TFadeFrames(TsButton& button);
  int Count = 0;
  TPicture Last;

 private:
  TRemovalToken hook_;
};

class ButtonTest : public FrameworkTest {
 protected:
  void SetUp() override;

  // Handles every waiting message, paints included.
  static void Drain();
  // Pumps until the fade under way has ended.
  void FinishFade();
  // What the button's window shows (its paint on a bitmap).
  TPicture Shown();
  // The picture of the state composed by the engine alone, at the button's place.
  TPicture Reference(int state);
  POINT ScreenPoint(int x, int y) const;
  void MouseOver();
  void MouseAway();
  LRESULT Send(UINT msg, int x = 0, int y = 0);
  LRESULT Command(int code, LPARAM lParam = 0);

  FreshSlots fresh;
  test::TempDir folder;
  TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  TPicturePanel* parent = nullptr;
  TsButton* button = nullptr;
  // Holds the focus unless a test gives it to the button.
  TEdit* edit = nullptr;
  int clicks = 0;
};

}  // namespace sundrel::testing
