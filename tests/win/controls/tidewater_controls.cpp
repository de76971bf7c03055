#include "tidewater_controls.h"

#include "paint/dc_paint_win32.h"
#include "skin/manager/internal_skin_win32.h"

namespace sundrel::testing {

TsSkinManager* TidewaterManager(TForm* form, const std::string& skinDirectory) {
  auto* manager = new TsSkinManager(form);
  AddInternalSkin(manager->InternalSkins());
  manager->SetSkinDirectory(skinDirectory);
  manager->SetSkinName(kInternalSkinName);
  return manager;
}

void TidewaterControls::SetUp() {
  FrameworkTest::SetUp();
  form = application->CreateForm<TForm>();
  form->SetBounds(0, 0, 400, 300);
  manager = TidewaterManager(form, folder.Path());
  form->HandleNeeded();
  parent = ChildOf<TSkinnedPanel>(form, "PANEL");
  parent->SetBounds(0, 0, 300, 200);
  parent->data.PrepareCache();
  button = ButtonLikeChild(parent, "BUTTON");
  button->SetBounds(kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight);
  button->data.PrepareCache();
  ASSERT_TRUE(button->data.IsSkinned(true));
  ASSERT_GE(button->data.BorderIndex, 0);
  ASSERT_EQ(Skin().MasterBitmap().Pixel(ButtonBorder().R.Left, ButtonBorder().R.Top), clFuchsia);
}

const TsMaskData& TidewaterControls::ButtonBorder() const {
  return Skin().Masks()[static_cast<size_t>(button->data.BorderIndex)];
}

void TidewaterControls::FillParent(TColor colour) {
  FillRectSolid(parent->data.CacheBmp()->Canvas().Handle(), TRect{0, 0, 300, 200}, colour);
  parent->data.BGChanged = false;  // the panel's picture is finished
}

TColor TidewaterControls::PixelOf(TBitmap& bitmap, int x, int y) {
  return static_cast<TColor>(GetPixel(bitmap.Canvas().Handle(), x, y));
}

}  // namespace sundrel::testing
