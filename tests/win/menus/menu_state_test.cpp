// The painter's state between menus: the extra line's glyph serves one menu only, a request to
// shape a menu window names its item by identifier and finds nothing once the item is gone, at
// most one request waits at a time, and the frame width of the menu skin follows the skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/handles_win32.h"
#include "base/utf.h"
#include "file_fixture.h"
#include "menu_fixture.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "windows/menus/menu_window_shaper.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr TColor kGlyphColour = 0x0000FF;

class MenuState_ : public MainWindowMenu {
 protected:
  void SetUp() override {
    MainWindowMenu::SetUp();
    SetMenuWindowShaper([this](HWND window, const TBitmap*, const std::vector<TRect>&) { shaped.push_back(window); });
  }
  void TearDown() override {
    SetMenuWindowShaper(nullptr);
    MainWindowMenu::TearDown();
  }

  TPopupMenu* Menu(std::initializer_list<const char*> captions) {
    auto* menu = new TPopupMenu(form);
    for (const char* caption : captions) {
      auto* item = new TMenuItem(menu);
      item->SetCaption(caption);
      menu->Items()->Add(item);
    }
    return menu;
  }
  // Draws the item as the system would into a context that belongs to no window (so the painter
  // cannot find the menu window).
  void DrawOffScreen(TMenuItem* item) {
    TBitmap target(120, 24);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.hDC = target.Canvas().Handle();
    draw.rcItem = {0, 0, 120, 24};
    Painter().DrawItem(*item, draw);
  }
  static int QueuedShapeRequests() {
    int count = 0;
    MSG message;
    while (PeekMessageW(&message, Application->Handle(), WM_SHAPE_MENU_OF_ITEM, WM_SHAPE_MENU_WINDOW, PM_REMOVE)) {
      ++count;
    }
    return count;
  }
  // Whether the extra line of the current menu picture shows the glyph's colour.
  static bool BandShowsGlyph() {
    TBitmap* picture = MenuState().MenuPicture.get();
    if (picture == nullptr) return false;
    const TacPixels pixels = PixelsOfDibSection(picture->Handle());
    for (int y = 0; y < pixels.Height; ++y) {
      for (int x = 0; x < std::min(pixels.Width, 40); ++x) {
        const uint8_t* p = pixels.Row(y) + 3 * x;
        if (p[0] == 0 && p[1] == 0 && p[2] == 0xFF) return true;
      }
    }
    return false;
  }

  std::vector<HWND> shaped;
};

TEST_F(MenuState_, TheExtraLineGlyphServesOneMenuOnly) {
  TacMenuSupport& support = form->sSkinManager1->MenuSupport();
  const struct {
    const char* what;
    bool useExtraLine;
    bool lineVisible;
    bool firstDrawn;
    bool glyphShown;
  } cases[] = {
      {"a shown line", true, true, true, true},
      {"a line that the handler hides", true, false, true, false},
      {"menus without extra lines", false, true, true, false},
      {"a menu measured, closed before it was drawn", true, true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    support.UseExtraLine = c.useExtraLine;
    std::vector<int> glyphWidthsAsked;
    bool supplyGlyph = true;
    form->sSkinManager1->OnGetMenuExtraLineData = [&](TMenuItem*, std::string&, std::string& caption, TBitmap& glyph,
                                                      bool& visible) {
      glyphWidthsAsked.push_back(glyph.Width());
      caption.clear();
      visible = c.lineVisible;
      if (!std::exchange(supplyGlyph, false)) return;
      glyph.SetSize(8, 8);
      FillRectSolid(glyph.Canvas().Handle(), {0, 0, 8, 8}, kGlyphColour);
    };
    ReleaseMenuState();
    TMenuItem* first = Menu({"One", "Two"})->Items()->Items(0);
    if (c.firstDrawn) {
      DrawOffScreen(first);
    } else {
      MEASUREITEMSTRUCT measure{};
      Painter().MeasureItem(*first, measure);
    }
    EXPECT_EQ(BandShowsGlyph(), c.glyphShown);
    DrawOffScreen(Menu({"Three"})->Items()->Items(0));
    EXPECT_FALSE(BandShowsGlyph()) << "the second menu supplied no glyph";
    EXPECT_EQ(glyphWidthsAsked, (std::vector<int>{0, 0})) << "each menu's handler starts without a glyph";
    EXPECT_EQ(MenuState().ExtraLineGlyph.Width(), 0);
    QueuedShapeRequests();
  }
  form->sSkinManager1->OnGetMenuExtraLineData = nullptr;
  support.UseExtraLine = false;
}

TEST_F(MenuState_, AMenuWhoseWindowIsNotKnownIsEstimatedColumnByColumn) {
  TPopupMenu* menu = Menu({"One", "A longer caption", "Two", "Three"});
  TMenuItem& items = *menu->Items();
  items.Items(2)->SetBreak(true);
  int width[4] = {}, height[4] = {};
  for (int i = 0; i < 4; ++i) {
    MEASUREITEMSTRUCT measure{};
    Painter().MeasureItem(*items.Items(i), measure);
    width[i] = static_cast<int>(measure.itemWidth);
    height[i] = static_cast<int>(measure.itemHeight);
  }
  DrawOffScreen(items.Items(0));
  ASSERT_NE(MenuState().MenuPicture, nullptr);
  // Each column as wide as its widest item and the 12 pixels the system adds, 4 between the
  // columns, the frame around them; as high as the taller column.
  const int frame = 2 * Painter().BorderWidth;
  EXPECT_EQ(MenuState().MenuPicture->Width(),
            std::max(width[0], width[1]) + 12 + 4 + std::max(width[2], width[3]) + 12 + frame);
  EXPECT_EQ(MenuState().MenuPicture->Height(), std::max(height[0] + height[1], height[2] + height[3]) + frame);
  QueuedShapeRequests();
}

TEST_F(MenuState_, ARequestForAMenuThatIsGoneShapesNothing) {
  TPopupMenu* menu = Menu({"One", "Two"});
  DrawOffScreen(menu->Items()->Items(0));
  DrawOffScreen(menu->Items()->Items(1));
  MSG request;
  ASSERT_TRUE(PeekMessageW(&request, Application->Handle(), WM_SHAPE_MENU_OF_ITEM, WM_SHAPE_MENU_OF_ITEM, PM_NOREMOVE));
  EXPECT_EQ(static_cast<UINT>(request.lParam), menu->Items()->Items(0)->Command()) << "the item's identifier";
  menu->Free();
  EXPECT_EQ(QueuedShapeRequests(), 1) << "one request waits at a time";
  PostMessageW(Application->Handle(), request.message, request.wParam, request.lParam);
  PumpUntil([] { return false; }, 50);
  EXPECT_TRUE(shaped.empty());
}

TEST_F(MenuState_, RequestsWhileTheMenuIsOpenShapeItsWindow) {
  HWND menuWindow = nullptr;
  std::vector<HWND> byItem, byWindow;
  WithContextMenu({ItemsDrawn(),
                   [&](HWND menu) {
                     menuWindow = menu;
                     shaped.clear();
                     DrawOffScreen(form->N3);  // cannot find the window: asks the manager
                     return true;
                   },
                   [&](HWND) {
                     if (shaped.empty()) return false;
                     byItem = std::exchange(shaped, {});
                     PostMessageW(Application->Handle(), WM_SHAPE_MENU_WINDOW, 0, reinterpret_cast<LPARAM>(menuWindow));
                     return true;
                   },
                   [&](HWND) {
                     byWindow = shaped;
                     return !shaped.empty();
                   }});
  EXPECT_EQ(byItem, std::vector<HWND>{menuWindow});
  EXPECT_EQ(byWindow, std::vector<HWND>{menuWindow});
}

TEST_F(MenuState_, TheSkinBorderWidthIsWorkedOutAgainForEachSkin) {
  // A skin folder whose options have no menu section, beside the program's own skin.
  test::TempDir folder;
  CreateDirectoryW(ToWide(folder.File("Plain")).c_str(), nullptr);
  const std::string options = "[GLOBALINFO]\r\nVERSION=5.4\r\n";
  test::WriteFileBytes(folder.File("Plain") + "\\Options.dat", test::Bytes(options.begin(), options.end()));
  TsSkinManager& manager = *form->sSkinManager1;
  manager.SetSkinDirectory(folder.Path());
  const std::string programSkin = manager.SkinName();
  const struct {
    const char* skin;
    std::string name;
    int width;
  } cases[] = {
      {"the program's skin, whose menu border says 2", programSkin, 2},
      {"a skin without a menu border", "Plain", 0},
      {"the program's skin again", programSkin, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.skin);
    manager.SetSkinName(c.name);
    EXPECT_EQ(Painter().SkinBorderWidth(), c.width);
  }
}

}  // namespace
}  // namespace sundrel
