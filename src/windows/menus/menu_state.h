// The state of the popup menu being painted. There is one set for the process: only one chain of
// popup menus is open at a time, and the windows that show it ask about it too.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/bitmap.h"

namespace sundrel {

// What an item is, by its caption: "-" a separator, "-Text-" a heading band, anything else a
// normal item. smTopLine is an item of a menu bar.
enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

struct TacMenuState {
  // A skinned menu is open: raised when an item is measured, cleared when a menu window with its
  // handler goes. While it is clear, menu windows are left to paint themselves.
  bool MenuShowing = false;
  // The command identifier of the first item of the menu whose picture is current (0: none).
  // An identifier, not the item: the item may be gone by the time someone compares.
  UINT CurrentMenu = 0;
  // One picture of the whole current menu window: background, frame, extra line and icon column.
  std::unique_ptr<TBitmap> MenuPicture;
  TsMenuItemType CurrentItemType = smNormal;
  // Where the texts of the current menu's items start: margin, glyph width and spacing.
  int TextColumnLeft = 0;
  // The extra line's data were asked for, are being asked for, and say that it shows.
  bool ExtraLineReady = false;
  bool ExtraLineBusy = false;
  bool ExtraLineVisible = false;
  std::string ExtraLineSection;
  std::string ExtraLineText;
  // The extra line's picture; no bitmap (0 x 0) when it has none.
  TBitmap ExtraLineGlyph;
};

TacMenuState& MenuState();

// Forgets the current menu: its picture goes, and its extra line is asked for again.
void ReleaseMenuState();

}  // namespace sundrel
