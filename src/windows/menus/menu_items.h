// What the painter reads off a menu item: its kind, its texts, its neighbours and its form.
#pragma once

#include <string>

#include "framework/forms.h"
#include "framework/menus.h"
#include "windows/menus/menu_state.h"

namespace sundrel {

// Items carry no pictures of their own, so each reserves the room of a 16 x 16 glyph, as items of
// a menu without images do.
inline constexpr int kMenuGlyphSize = 16;
// The system leaves this gap between the columns of a menu.
inline constexpr int kMenuColumnGap = 4;

TsMenuItemType ItemTypeOf(const std::string& caption);
// A caption and the display text of its shortcut, which a tab parts from it ("Close\tAlt+F4").
struct TItemTexts {
  std::string Caption;
  std::string Shortcut;
};
TItemTexts ItemTextsOf(const std::string& caption);

// A heading band shows its caption's first word when only "-" separates words: "Options" for
// "-Options-".
std::string CaptionItemText(const std::string& caption);

// The height of an item whose menu font draws a "W" textHeight pixels high: 2 for a separator;
// for a heading 1.25 times the text height, for a normal item at least the glyph's height, each
// with the margin above and below. 1.25 times is rounded to the nearest, halves to even.
int ItemHeightFor(TsMenuItemType type, int textHeight, int margin);

// The first item of the menu that shows the item (its parent's first child).
TMenuItem& FirstItemOf(TMenuItem& item);
// Whether no visible item comes before (after) the item in its menu.
bool IsFirstVisible(const TMenuItem& item);
bool IsLastVisible(const TMenuItem& item);
// Whether the item is the last one shown in its column: the menu's last, or the next one shown
// starts a new column.
bool EndsColumn(const TMenuItem& item);
// Whether neither the item nor any before it in its menu starts a new column.
bool IsInFirstColumn(const TMenuItem& item);
// The first form up the chain of the item's owners, or none.
TCustomForm* FormOf(const TMenuItem& item);

}  // namespace sundrel
