// The main window under a skin change at run time: every skinned control repaints in the new
// colours (none keeps a stale picture), and going back gives exactly the first picture.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/umain.h"
#include "framework_test_support.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {
namespace {

using sundrel::testing::SaveScreenshot;
using sundrel::testing::TScreenShot;

// The window's client area as the screen shows it once every repaint has landed.
TScreenShot Settled(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return sundrel::testing::SettledCapture(client);
}

// Where two pictures of the window differ, for a failure message: the bounding box and count.
std::string WhereTheyDiffer(const TScreenShot& a, const TScreenShot& b) {
  const int width = a.Width(), height = a.Height();
  int left = width, top = height, right = -1, bottom = -1, count = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t i = static_cast<size_t>(y) * width + x;
      if (a.Pixels[i] == b.Pixels[i]) continue;
      ++count;
      left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
    }
  }
  return std::to_string(count) + " pixels in (" + std::to_string(left) + "," + std::to_string(top) + ")-(" +
         std::to_string(right) + "," + std::to_string(bottom) + ")";
}

// How many of the control's pixels differ between the two pictures.
int ChangedPixels(const TScreenShot& a, const TScreenShot& b, HWND form, TWinControl* control) {
  RECT r{};
  GetWindowRect(control->Handle(), &r);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
  const int width = a.Width(), height = a.Height();
  int changed = 0;
  for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, height); ++y) {
    for (int x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, width); ++x) {
      const size_t i = static_cast<size_t>(y) * width + x;
      changed += a.Pixels[i] != b.Pixels[i] ? 1 : 0;
    }
  }
  return changed;
}

BOOL CALLBACK MarkStale(HWND child, LPARAM) {
  SendSkinCommand(child, SMC_INVALIDATE_BG);
  return TRUE;
}

class MainWindowSkinChange : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    SetCursorPos(0, 0);  // no control is hot
    form = application->CreateForm<Tfrmmain>();
    form->SetBounds(100, 100, form->Width(), form->Height());
    form->Show();
    SetFocus(form->sbtn2->Handle());  // a still focus frame rather than a blinking caret
    ASSERT_TRUE(form->sSkinManager1->Active());
  }

  // Every control's picture rebuilt from scratch, as a fresh start would paint it.
  TScreenShot RebuiltFromScratch() {
    EnumChildWindows(form->Handle(), MarkStale, 0);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return Settled(form->Handle());
  }

  Tfrmmain* form = nullptr;
};

TEST_F(MainWindowSkinChange, AHueShiftRepaintsEveryControlAndShiftingBackRestoresThePicture) {
  HWND window = form->Handle();
  const TScreenShot before = Settled(window);
  const TScreenShot fresh = RebuiltFromScratch();
  ASSERT_TRUE(before == fresh) << "the first picture is not what the controls paint afresh: "
                               << WhereTheyDiffer(before, fresh);

  form->sSkinManager1->SetHueOffset(120);
  const TScreenShot shifted = Settled(window);
  SaveScreenshot(shifted, "main-window-hue-shift.png");
  for (TWinControl* control :
       std::vector<TWinControl*>{form->sPageControl1, form->sPanel1, form->sbtn2, form->sbtn4, form->sedt1}) {
    // Greys and white stay what they are under a hue shift; the skin's colours do not.
    EXPECT_GT(ChangedPixels(before, shifted, window, control), 0) << control->Name() << " kept its old colours";
  }
  const TScreenShot shiftedFresh = RebuiltFromScratch();
  EXPECT_TRUE(shifted == shiftedFresh) << "a control showed a stale picture after the shift: "
                                       << WhereTheyDiffer(shifted, shiftedFresh);

  form->sSkinManager1->SetHueOffset(0);
  const TScreenShot back = Settled(window);
  EXPECT_TRUE(back == before) << "shifting back does not give the first picture: " << WhereTheyDiffer(back, before);
}

}  // namespace
}  // namespace sundrel
