// A shown form whose manager holds the program's own skin, "Tidewater (internal)", with helpers
// that read what a control shows: on the screen, or printed into a bitmap.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "controls/s_panel.h"
#include "file_fixture.h"
#include "framework/bitmap.h"
#include "framework/forms.h"
#include "framework_test_support.h"
#include "paint/shared_slots.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel::testing {

class TidewaterForm : public FrameworkTest {
 public:
  // Handles messages until every window has painted.
  static void Settle();
  // What the screen shows of the window (frame included), after it has repainted.
  static std::unique_ptr<TBitmap> Screen(HWND window);
  // Saves the bitmap as a PNG in the screenshots folder, when one is given.
  static void SaveScreenshot(TBitmap& bitmap, const std::string& name);

 protected:
  void SetUp() override;

  // The window printed (WM_PRINT, frame and client) into a bitmap of its size that starts
  // filled with `background`.
  std::unique_ptr<TBitmap> Printed(HWND window, TColor background = clFuchsia);
  // A skinned panel on the form ("PANEL").
  TsPanel* AddPanel(int left, int top, int width, int height);
  // The section's colour by name, from the active skin.
  const TsGeneralData& Section(const std::string& name) const;

  FreshSlots fresh;
  test::TempDir folder;
  TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
};

TColor PixelOf(TBitmap& bitmap, int x, int y);
void FillBitmap(TBitmap& bitmap, TColor color);

}  // namespace sundrel::testing
