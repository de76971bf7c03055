// The sizes that skinned menu items ask for: heights from the menu font's "W" (1.25 times,
// rounded half to even, at least the 16-pixel glyph for normal items, plus the margins), 2 for a
// separator, and widths from the text with room for a glyph on both sides, the margins, the
// spacing and the extra line.
#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "windows/menus/menu_items.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

TEST(MenuItemHeight, FollowsTheTextHeightRoundedHalfToEven) {
  const struct {
    TsMenuItemType type;
    int textHeight;
    int height;
  } cases[] = {
      {smDivider, 10, 2},  {smDivider, 30, 2}, {smCaption, 10, 18},  // 12.5 rounds to 12
      {smCaption, 14, 24},                                           // 17.5 rounds to 18
      {smCaption, 11, 20},                                           // 13.75
      {smCaption, 12, 21},                                           // 15 exactly
      {smNormal, 10, 22},                                            // the 16-pixel glyph is taller than the text
      {smNormal, 14, 24},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ItemHeightFor(c.type, c.textHeight, 3), c.height) << "type " << c.type << ", text " << c.textHeight;
  }
}

TEST(MenuItemKind, ComesFromTheCaption) {
  EXPECT_EQ(ItemTypeOf("-"), smDivider);
  EXPECT_EQ(ItemTypeOf("-Options-"), smCaption);
  EXPECT_EQ(CaptionItemText("-Options-"), "Options");
  EXPECT_EQ(ItemTypeOf("-Options"), smNormal);
  EXPECT_EQ(ItemTypeOf("全选"), smNormal);
}

// The system's menu font as the test finds it, independently of the painter.
class MenuFontMetrics {
 public:
  MenuFontMetrics() : dc_(CreateCompatibleDC(nullptr)) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    font_.reset(CreateFontIndirectW(&metrics.lfMenuFont));
    SelectObject(dc_.get(), font_.get());
  }
  int TextWidth(const std::wstring& text) {
    RECT r{0, 0, 1, 0};
    DrawTextW(dc_.get(), text.c_str(), -1, &r, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
    return r.right;
  }
  int LetterHeight() {
    SIZE size{};
    GetTextExtentPoint32W(dc_.get(), L"W", 1, &size);
    return size.cy;
  }

 private:
  UniqueDC dc_;
  UniqueFont font_;
};

class MenuMeasuring : public MainWindowMenu {
 protected:
  TMenuItem* Add(TPopupMenu* menu, const std::string& name, const std::string& caption) {
    auto* item = new TMenuItem(form);
    item->SetName(name);
    item->SetCaption(caption);
    menu->Items()->Add(item);
    return item;
  }
  SIZE Measure(TMenuItem* item) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    Painter().MeasureItem(*item, measure);
    return {static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
  }
  MenuFontMetrics font;
};

TEST_F(MenuMeasuring, ItemsAskForTheirTextGlyphRoomMarginsAndExtraLine) {
  auto* menu = new TPopupMenu(form);
  TMenuItem* first = Add(menu, "First", "Select all");
  TMenuItem* line = Add(menu, "Line", "-");
  TMenuItem* heading = Add(menu, "Heading", "-Options-");
  TMenuItem* nextColumn = Add(menu, "NextColumn", "Next column");
  nextColumn->SetBreak(true);
  auto* skinMenu = new TPopupMenu(form);
  TMenuItem* skinSelect = Add(skinMenu, "SkinSelectItem", "Tidewater");
  const int h = font.LetterHeight();
  const int text = ItemHeightFor(smCaption, h, 0);
  // 16 + 16 of glyph room, three margins of 3 and the spacing of 6: 47.
  const struct {
    const char* what;
    TMenuItem* item;
    bool extraLine;
    SIZE size;
  } cases[] = {
      {"a normal item", first, false, {font.TextWidth(L"Select all") + 47, std::max(text, 16) + 6}},
      {"a separator", line, false, {47, 2}},
      {"a heading", heading, false, {font.TextWidth(L"--Options--") + 47, text + 6}},
      {"a normal item beside the extra line",
       first,
       true,
       {font.TextWidth(L"Select all") + 47 + 32, std::max(text, 16) + 6}},
      {"an item of the next column, which the extra line does not reach",
       nextColumn,
       true,
       {font.TextWidth(L"Next column") + 47, std::max(text, 16) + 6}},
      {"the skin selection menu, which has no extra line",
       skinSelect,
       true,
       {font.TextWidth(L"Tidewater") + 47, std::max(text, 16) + 6}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    form->sSkinManager1->MenuSupport().UseExtraLine = c.extraLine;
    ReleaseMenuState();
    const SIZE size = Measure(c.item);
    EXPECT_EQ(size.cx, c.size.cx);
    EXPECT_EQ(size.cy, c.size.cy);
  }
}

TEST_F(MenuMeasuring, TheOpenMenuTakesTheMeasuredHeights) {
  MenuFontMetrics metrics;
  const int normal = std::max(ItemHeightFor(smCaption, metrics.LetterHeight(), 0), 16) + 6;
  int heights[4] = {};
  WithContextMenu({[&](HWND menu) {
    for (int i = 0; i < 4; ++i) heights[i] = ItemRect(menu, i).bottom - ItemRect(menu, i).top;
    return true;
  }});
  EXPECT_EQ(heights[0], normal);
  EXPECT_EQ(heights[1], 2);
  EXPECT_EQ(heights[2], normal);
  EXPECT_EQ(heights[3], normal);
}

}  // namespace
}  // namespace sundrel
