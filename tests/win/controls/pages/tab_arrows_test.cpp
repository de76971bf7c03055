// Tabs that do not fit are scrolled with skinned arrows instead of the system's; when they fit
// again the arrows go.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_fixture.h"

namespace sundrel {
namespace {

using testing::PageControlTest;
using testing::PumpUntil;
using testing::SaveScreenshot;

bool HasSystemArrows(HWND window) {
  return FindWindowExW(window, nullptr, L"msctls_updown32", nullptr) != nullptr;
}

TEST_F(PageControlTest, TabsWiderThanTheControlAreScrolledWithSkinnedArrows) {
  // An up-down of the page's own, which the tab control's arrows must not be taken for.
  HWND pageArrows = CreateWindowExW(0, L"msctls_updown32", nullptr, WS_CHILD | WS_VISIBLE, 10, 10, 20, 30,
                                    one->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(pageArrows, nullptr);
  std::vector<TsTabSheet*> sheets{one, two};
  for (const char* caption : {"A third page with a long caption", "A fourth page with a long caption"}) {
    auto* sheet = new TsTabSheet(form);
    sheet->SetCaption(caption);
    sheet->SetPageControl(pages);
    sheets.push_back(sheet);
  }
  ASSERT_TRUE(PumpUntil([&] { return pages->Arrows() != nullptr; })) << "the overflow is found when painting";
  TsUpDown& arrows = *pages->Arrows();
  EXPECT_FALSE(HasSystemArrows(pages->Handle()));
  EXPECT_TRUE(IsWindow(pageArrows)) << "an up-down on a page was destroyed";
  EXPECT_EQ(arrows.Left() + arrows.Width(), pages->Width());
  EXPECT_EQ(arrows.Top(), 0);
  EXPECT_EQ(arrows.Position(), 0);
  EXPECT_GT(arrows.Max(), 0);
  EXPECT_EQ(arrows.SkinData().SkinSection(), "BUTTON") << "the skin has no \"UPDOWNBTN\"";
  SaveScreenshot(form->Handle(), "page-control-tab-arrows.png");

  const LPARAM right = MAKELPARAM(arrows.Width() - 3, arrows.Height() / 2);
  SendMessageW(arrows.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, right);
  SendMessageW(arrows.Handle(), WM_LBUTTONUP, 0, right);
  EXPECT_EQ(arrows.Position(), 1);
  const RECT first = pages->TabItemRect(0);
  EXPECT_TRUE(IsRectEmpty(&first) || first.left < 0) << "the first tab scrolled out of sight";
  EXPECT_LE(pages->TabItemRect(1).left, 4) << "the second tab leads now";

  for (size_t i = 0; i < sheets.size(); ++i) sheets[i]->SetCaption(std::to_string(i));
  EXPECT_TRUE(PumpUntil([&] { return pages->Arrows() == nullptr; })) << "the tabs fit again";
}

}  // namespace
}  // namespace sundrel
