// The system menus that show framework menu items, and the way back from them to the items.
#pragma once

#include <windows.h>

#include "base/handles_win32.h"

namespace sundrel {

class TMenuItem;

// A popup menu of the visible children of `items`, submenus included. Every item carries its
// framework item as its item data, every menu the item whose children it shows as its menu data.
// Owner-drawn items leave their drawing to the owner window.
UniqueMenu BuildPopupMenu(const TMenuItem& items, bool ownerDrawn);

// The framework item whose children the menu shows, or nullptr for a menu not built here.
TMenuItem* ItemsOfMenu(HMENU menu);
// The framework item of the menu's item at a command identifier or, byPosition, at an index.
TMenuItem* MenuItemOf(HMENU menu, UINT item, bool byPosition);

}  // namespace sundrel
