// The main window's page control and its two pages are the skinned ones, painted from the
// program's own skin; screenshots of both pages land in the tree's e2e-screenshots folder.
#include <gtest/gtest.h>

#include "app/umain.h"
#include "page_fixture.h"

namespace sundrel {
namespace {

using sundrel::testing::FrameworkTest;
using sundrel::testing::PumpUntil;
using sundrel::testing::SaveScreenshot;

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
