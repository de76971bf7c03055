// Forms skinned by the automatic skinning with the program's own skin, and what the tests read
// from them: the screen under a window, settled.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/forms.h"
#include "framework/removal_token.h"
#include "framework_test_support.h"
#include "paint/shared_slots.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/provider/title_buttons.h"

namespace sundrel {
class TsSkinProvider;
}

namespace sundrel::testing {

// The window's rectangle on the screen once it has settled.
TScreenShot SettledCapture(HWND window);

// Compares the caption button on the screen with the state's cell of its image wherever the cell
// is (nearly) opaque: there the screen must show the skin's own pixel, whatever lies behind.
// Answers how many pixels were compared.
int ExpectGlyphCell(const TsSkinManager& manager, HWND window, const TacCaptionButton& button, int state);

// A colour no skin paints, drawn straight onto the window over a rectangle (window coordinates).
inline constexpr COLORREF kMarker = RGB(1, 254, 3);
void Mark(HWND window, const TRect& r);
// Whether the window still shows the marker in the middle of the rectangle. Read from the
// window's own surface, at once: only what the last call painted has changed, and Wine shows
// that surface on the screen only later.
bool StillMarked(HWND window, const TRect& r);

bool AnswersSkinned(HWND window);
// The skin provider that answers for the form's window, or nullptr.
TsSkinProvider* ProviderOfForm(TCustomForm* form);
// Shows the form and pumps until the automatic skinning has skinned it (or the bound ran out).
bool ShowSkinned(TCustomForm& form);

class ProviderTest : public FrameworkTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The default manager, owned by the application, showing the program's own skin.
  TsSkinManager* Manager();
  // A form owned by the application, shown at (100, 100), skinned (or not, as the rules say).
  TForm* ShownForm(TFormBorderStyle border = bsSingle, TBorderIcons icons = biSystemMenu | biMinimize,
                   const std::string& caption = "Provider test");

  FreshSlots fresh;
  TRemovalToken skinning;

 private:
  TsSkinManager* manager_ = nullptr;
};

}  // namespace sundrel::testing
