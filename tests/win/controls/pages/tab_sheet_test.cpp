// A page shows the page control's picture that lies under it, and its children read that picture
// at their own place through it, as if the page had painted it.
#include <gtest/gtest.h>

#include "page_fixture.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "skin_data_fixture.h"

namespace sundrel {
namespace {

using testing::PageControlTest;
using testing::TSkinnedPanel;

TEST_F(PageControlTest, APageShowsThePageControlsPictureUnderIt) {
  TBitmap sheet(one->Width(), one->Height());
  SendMessageW(one->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(sheet.Canvas().Handle()), PRF_CLIENT);
  GdiFlush();
  TBitmap& cache = *pages->SkinData().CacheBmp();
  for (int y = 0; y < one->Height(); ++y) {
    for (int x = 0; x < one->Width(); ++x) {
      ASSERT_EQ(PixelOf(sheet, x, y), PixelOf(cache, one->Left() + x, one->Top() + y)) << x << ", " << y;
    }
  }
  EXPECT_EQ(SendMessageW(one->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(sheet.Canvas().Handle()), 0), 1)
      << "erasing is left out: the picture covers the page";
}

TEST_F(PageControlTest, APagesChildAsksThePageAndGetsThePageControlsPicture) {
  auto* child = new TSkinnedPanel(form);
  child->SetBounds(12, 20, 40, 30);
  child->SetParent(one);
  child->data.SetSkinSection("BUTTON");

  const TacParentImage image = child->data.GetParentImage();
  ASSERT_TRUE(image.Ready);
  const TacPixels cache = PixelsOfDibSection(pages->SkinData().CacheBmp()->Handle());
  EXPECT_EQ(image.Image.Row0, cache.Row0) << "the page lends the page control's cache";
  EXPECT_EQ(image.X, one->Left());
  EXPECT_EQ(image.Y, one->Top());

  struct Case {
    const char* what;
    int code;
  };
  // The rest of what a child asks its parent is the page control's business too.
  for (const Case c : {Case{"skinned", SMC_IS_SKINNED}, Case{"background kind", SMC_GET_BG_KIND}}) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(AskControl(one, c.code), AskControl(pages, c.code));
  }
  EXPECT_EQ(AskBackFillColor(one->Handle()), AskBackFillColor(pages->Handle()));
  pages->SkinData().BGChanged = true;
  EXPECT_TRUE(AskControl(one, SMC_GET_BG_CHANGED)) << "the page's picture changes with the control's";
}

TEST_F(PageControlTest, ASkinChangeReachesThePagesChildren) {
  auto* child = new TSkinnedPanel(form);
  child->SetParent(two);
  child->data.SetSkinSection("BUTTON");
  child->SetBounds(0, 0, 20, 20);
  manager->SetActive(false);
  EXPECT_EQ(child->data.SkinIndex, -1) << "the removal passed the page control and the page";
  manager->SetActive(true);
  EXPECT_GE(child->data.SkinIndex, 0);
}

}  // namespace
}  // namespace sundrel
