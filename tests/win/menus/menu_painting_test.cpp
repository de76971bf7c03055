// What the skin paints in the merge list's context menu, read back from the screen: the frame
// from the "MAINMENU" border image, the hot item in the "MENUITEM" hot gradient, the others over
// the "MAINMENU" gradient, the separator from the track bar's channel image, a checked item with
// the skin's check box and a disabled one faded toward the menu.
#include <gtest/gtest.h>

#include <algorithm>

#include "menu_fixture.h"
#include "skin/model/skin_model.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

// Every channel of the pixel lies between those of the two colours (the ends of a gradient).
bool Between(COLORREF pixel, TColor a, TColor b) {
  for (int shift : {0, 8, 16}) {
    const int p = (pixel >> shift) & 0xFF, x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    if (p < std::min(x, y) || p > std::max(x, y)) return false;
  }
  return true;
}

int Brightness(COLORREF pixel) {
  return GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel);
}

// The ends of the skin's gradients (Tidewater's options).
constexpr TColor kMenuTop = 16777215, kMenuBottom = 16380652;
constexpr TColor kHotTop = 16577512, kHotBottom = 15847088;

class MenuPainting : public MainWindowMenu {
 protected:
  // The open menu's picture once the item has been drawn hot, and its items' rectangles.
  TMenuPicture HotMenu(TMenuItem* item, int downPresses, const std::string& screenshot = "") {
    TMenuPicture picture;
    std::vector<TMenuStep> steps = Hot(item, downPresses);
    steps.push_back([&](HWND menu) {
      picture = CaptureWindow(menu);
      for (int i = 0; i < 4; ++i) rects[i] = ItemRect(menu, i);
      return true;
    });
    WithContextMenu(steps);
    if (!screenshot.empty()) SavePicture(picture, screenshot);
    return picture;
  }
  static int MiddleRow(const RECT& r) { return (r.top + r.bottom) / 2; }

  RECT rects[4] = {};
};

TEST_F(MenuPainting, FrameHotItemAndSeparatorComeFromTheSkin) {
  const TMenuPicture picture = HotMenu(form->N1, 1, "menu-context-hot.png");
  ASSERT_GT(picture.Width, 0);
  const int x = rects[0].right - 10;

  const TacMemBitmap& master = form->sSkinManager1->Skin().MasterBitmap();
  // "MAINMENU"'s border image starts at (26, 102) of the master bitmap, in the colour of its
  // edges. The window's top-left pixel is cut from its shape and shows what lies behind.
  const auto frame = static_cast<COLORREF>(master.Pixel(26, 102));
  EXPECT_EQ(picture.At(0, picture.Height / 2), frame) << "the frame's left edge";
  EXPECT_EQ(picture.At(picture.Width / 2, 0), frame) << "the frame's top edge";
  EXPECT_TRUE(Between(picture.At(x, MiddleRow(rects[0])), kHotTop, kHotBottom))
      << std::hex << picture.At(x, MiddleRow(rects[0]));
  EXPECT_TRUE(Between(picture.At(x, MiddleRow(rects[2])), kMenuTop, kMenuBottom)) << "a normal item shows the menu";
  EXPECT_TRUE(Between(picture.At(x, MiddleRow(rects[3])), kMenuTop, kMenuBottom));

  // The channel's dark top row runs from just right of where the texts start; left of it, and
  // below it, the menu shows (the system's separator is a gray line across the whole item).
  const int line = rects[1].top;
  EXPECT_TRUE(Between(picture.At(rects[1].left + 10, line), kMenuTop, kMenuBottom));
  EXPECT_LT(Brightness(picture.At(x, line)), Brightness(picture.At(rects[1].left + 10, line)) - 0x60);
  EXPECT_GT(Brightness(picture.At(x, line + 1)), Brightness(picture.At(x, line)) + 0x60);
}

TEST_F(MenuPainting, ACheckedItemShowsTheCheckBoxInItsMarginOnly) {
  const TMenuPicture unchecked = HotMenu(form->N3, 2);
  form->N1->SetChecked(true);
  const TMenuPicture checked = HotMenu(form->N3, 2);
  ASSERT_EQ(checked.Width, unchecked.Width);
  const RECT& item = rects[0];
  // The skin's "BOXCHECKED" cell is 13 pixels wide, drawn at the item's margin of 3.
  int marked = 0;
  for (int y = item.top; y < item.bottom; ++y) {
    for (int x = item.left; x < item.right; ++x) {
      if (checked.At(x, y) == unchecked.At(x, y)) continue;
      ++marked;
      EXPECT_TRUE(x >= item.left + 3 && x < item.left + 3 + 13) << "changed outside the mark at " << x << ", " << y;
    }
  }
  EXPECT_GT(marked, 20);
}

TEST_F(MenuPainting, ADisabledItemIsItsNormalPictureFadedSixtyPercentTowardTheMenu) {
  const TMenuPicture enabled = HotMenu(form->N1, 1);
  form->N4->SetEnabled(false);
  const TMenuPicture disabled = HotMenu(form->N1, 1);
  // The darkest text pixel of the enabled item, and the menu behind it in the same row.
  const RECT& item = rects[3];
  int darkX = item.left, darkY = item.top;
  for (int y = item.top; y < item.bottom; ++y) {
    for (int x = item.left; x < item.right; ++x) {
      if (Brightness(enabled.At(x, y)) < Brightness(enabled.At(darkX, darkY))) darkX = x, darkY = y;
    }
  }
  const COLORREF text = enabled.At(darkX, darkY), menu = enabled.At(item.right - 2, darkY);
  ASSERT_LT(Brightness(text), 0x180) << "the item's text is dark";
  const COLORREF faded = disabled.At(darkX, darkY);
  for (int shift : {0, 8, 16}) {
    const double expected = 0.6 * ((menu >> shift) & 0xFF) + 0.4 * ((text >> shift) & 0xFF);
    EXPECT_NEAR((faded >> shift) & 0xFF, expected, 1.0) << "channel at bit " << shift;
  }
}

}  // namespace
}  // namespace sundrel
