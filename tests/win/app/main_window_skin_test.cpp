// The main window under a skin change at run time: every skinned control repaints in the new
// colours (none keeps a stale picture), and going back gives exactly the first picture.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/umain.h"
#include "framework_test_support.h"
#include "png/png_writer.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {
namespace {

using sundrel::testing::PumpUntil;

// The window's client area as the screen shows it, 0x00BBGGRR per pixel.
struct TScreenPicture {
  int Width = 0;
  int Height = 0;
  std::vector<COLORREF> Pixels;
  bool operator==(const TScreenPicture&) const = default;
};

TScreenPicture Capture(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  TScreenPicture picture{client.right, client.bottom, {}};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.Width;
  info.bmiHeader.biHeight = -picture.Height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, picture.Width, picture.Height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  const auto* row = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < picture.Width * picture.Height; ++i) {
    const uint32_t p = row[i];  // BGRA in memory
    picture.Pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  }
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return picture;
}

// Pumps until two captures 100 ms apart are the same: every repaint has landed.
TScreenPicture Settled(HWND window) {
  TScreenPicture last = Capture(window);
  for (int i = 0; i < 50; ++i) {
    PumpUntil([] { return false; }, 100);
    TScreenPicture now = Capture(window);
    if (now == last) return now;
    last = std::move(now);
  }
  ADD_FAILURE() << "the window kept changing";
  return last;
}

// Where two pictures of the window differ, for a failure message: the bounding box and count.
std::string WhereTheyDiffer(const TScreenPicture& a, const TScreenPicture& b) {
  int left = a.Width, top = a.Height, right = -1, bottom = -1, count = 0;
  for (int y = 0; y < a.Height; ++y) {
    for (int x = 0; x < a.Width; ++x) {
      const size_t i = static_cast<size_t>(y) * a.Width + x;
      if (a.Pixels[i] == b.Pixels[i]) continue;
      ++count;
      left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
    }
  }
  return std::to_string(count) + " pixels in (" + std::to_string(left) + "," + std::to_string(top) + ")-(" +
         std::to_string(right) + "," + std::to_string(bottom) + ")";
}

// How many of the control's pixels differ between the two pictures.
int ChangedPixels(const TScreenPicture& a, const TScreenPicture& b, HWND form, TWinControl* control) {
  RECT r{};
  GetWindowRect(control->Handle(), &r);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
  int changed = 0;
  for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, a.Height); ++y) {
    for (int x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, a.Width); ++x) {
      const size_t i = static_cast<size_t>(y) * a.Width + x;
      changed += a.Pixels[i] != b.Pixels[i] ? 1 : 0;
    }
  }
  return changed;
}

void SaveScreenshot(const TScreenPicture& picture, const std::string& name) {
  const char* folder = std::getenv("SUNDREL_SCREENSHOTS");
  if (folder == nullptr || *folder == '\0') return;
  std::string path = folder;
  if (path[0] == '/') path = "Z:" + path;
  std::vector<uint8_t> rgb;
  for (const COLORREF p : picture.Pixels) rgb.insert(rgb.end(), {GetRValue(p), GetGValue(p), GetBValue(p)});
  WritePng(path + "\\" + name, picture.Width, picture.Height, rgb);
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
  TScreenPicture RebuiltFromScratch() {
    EnumChildWindows(form->Handle(), MarkStale, 0);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return Settled(form->Handle());
  }

  Tfrmmain* form = nullptr;
};

TEST_F(MainWindowSkinChange, AHueShiftRepaintsEveryControlAndShiftingBackRestoresThePicture) {
  HWND window = form->Handle();
  const TScreenPicture before = Settled(window);
  const TScreenPicture fresh = RebuiltFromScratch();
  ASSERT_TRUE(before == fresh) << "the first picture is not what the controls paint afresh: "
                               << WhereTheyDiffer(before, fresh);

  form->sSkinManager1->SetHueOffset(120);
  const TScreenPicture shifted = Settled(window);
  SaveScreenshot(shifted, "main-window-hue-shift.png");
  for (TWinControl* control :
       std::vector<TWinControl*>{form->sPageControl1, form->sPanel1, form->sbtn2, form->sbtn4, form->sedt1}) {
    // Greys and white stay what they are under a hue shift; the skin's colours do not.
    EXPECT_GT(ChangedPixels(before, shifted, window, control), 0) << control->Name() << " kept its old colours";
  }
  const TScreenPicture shiftedFresh = RebuiltFromScratch();
  EXPECT_TRUE(shifted == shiftedFresh) << "a control showed a stale picture after the shift: "
                                       << WhereTheyDiffer(shifted, shiftedFresh);

  form->sSkinManager1->SetHueOffset(0);
  const TScreenPicture back = Settled(window);
  EXPECT_TRUE(back == before) << "shifting back does not give the first picture: " << WhereTheyDiffer(back, before);
}

}  // namespace
}  // namespace sundrel
