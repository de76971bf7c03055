// A skinned page control with two pages, "One" and "Two", on a shown form whose manager holds
// the program's own skin, and the ways the tests look at it: its picture as it paints it, the
// screen, and the mouse on its tabs.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "controls/s_page_control.h"
#include "file_fixture.h"
#include "framework/bitmap.h"
#include "framework/forms.h"
#include "framework_test_support.h"
#include "paint/shared_slots.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel::testing {

inline constexpr int kPagesLeft = 10, kPagesTop = 10, kPagesWidth = 300, kPagesHeight = 200;

class PageControlTest : public FrameworkTest {
 protected:
  void SetUp() override;

  // What the control paints for itself (its pages are windows of their own and not in it).
  std::unique_ptr<TBitmap> Picture() const;
  static TColor PixelOf(TBitmap& bitmap, int x, int y);
  // The middle of the tab as the system lays it out.
  POINT TabCentre(int index) const;
  // A click on the tab, as the mouse makes it.
  void ClickTab(int index) const;

  FreshSlots fresh;
  test::TempDir folder;
  TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  TsPageControl* pages = nullptr;
  TsTabSheet* one = nullptr;
  TsTabSheet* two = nullptr;
};

// What the window shows on the screen, once painting has settled.
std::unique_ptr<TBitmap> ScreenPicture(HWND window);
// The window as the screen shows it, as a PNG file in the folder that SUNDREL_SCREENSHOTS names
// (nothing without one).
void SaveScreenshot(HWND window, const std::string& name);

// Whether two pictures of the same size differ anywhere in the rectangle.
bool Differ(TBitmap& a, TBitmap& b, const TRect& r);

}  // namespace sundrel::testing
