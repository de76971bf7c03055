// The main window's page control and its two pages are the skinned ones, painted from the
// program's own skin; screenshots of both pages land in the tree's e2e-screenshots folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/umain.h"
#include "page_fixture.h"
#include "png/png_writer.h"

namespace sundrel {
namespace {

using sundrel::testing::FrameworkTest;
using sundrel::testing::PumpUntil;

void SaveScreenshot(HWND window, const std::string& name) {
  const char* folder = std::getenv("SUNDREL_SCREENSHOTS");
  if (folder == nullptr) return;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpUntil([] { return false; }, 300);
  RECT bounds;
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  TBitmap picture(width, height);
  WindowDC screen(nullptr);
  BitBlt(picture.Canvas().Handle(), 0, 0, width, height, screen.get(), bounds.left, bounds.top, SRCCOPY);
  GdiFlush();
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = picture.ScanLine(y);
    for (int x = 0; x < width; ++x) rgb.insert(rgb.end(), {row[x * 3 + 2], row[x * 3 + 1], row[x * 3]});
  }
  WritePng(std::string(folder) + "/" + name, width, height, rgb);
}

class MainWindowPages : public FrameworkTest {};

TEST_F(MainWindowPages, BothPagesAreTheSkinnedOnes) {
  auto* form = application->CreateForm<Tfrmmain>();
  form->Show();
  TsPageControl* pages = form->sPageControl1;
  ASSERT_TRUE(pages->SkinData().IsSkinned(true));
  EXPECT_EQ(pages->SkinData().SkinSection(), "PAGECONTROL");
  EXPECT_FALSE(pages->HotTrack());
  ASSERT_TRUE(PumpUntil([&] { return !pages->SkinData().BGChanged; }));
  SaveScreenshot(form->Handle(), "main-window-split-page.png");

  const RECT tab = pages->TabItemRect(1);
  const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(pages->ActivePage(), form->sTabSheet2);
  SaveScreenshot(form->Handle(), "main-window-merge-page.png");
}

}  // namespace
}  // namespace sundrel
