// What paints a popup menu's items instead of the system. The framework draws nothing itself:
// it makes the items owner-drawn while a menu has a painter and hands the painter the messages
// that the menu's owner window gets while the menu is open. Each system menu item carries its
// framework item (the item data), each system menu the item whose children it shows (the menu
// data), so the painter always deals with framework items.
#pragma once

#include <windows.h>

namespace sundrel {

class TMenuItem;

class TMenuPainter {
 public:
  // Menu mode begins (WM_ENTERMENULOOP) and ends (WM_EXITMENULOOP).
  virtual void EnterMenuLoop() {}
  virtual void ExitMenuLoop() {}
  // A popup is about to open: the menu itself or a submenu, showing the children of `items`.
  virtual void InitMenuPopup(HMENU, TMenuItem& /*items*/) {}
  // The size of an item (WM_MEASUREITEM): the painter fills itemWidth and itemHeight.
  virtual void MeasureItem(TMenuItem& item, MEASUREITEMSTRUCT& measure) = 0;
  // Draws an item (WM_DRAWITEM) into draw.hDC at draw.rcItem.
  virtual void DrawItem(TMenuItem& item, const DRAWITEMSTRUCT& draw) = 0;
  // The item that the mouse or the keyboard picked out (WM_MENUSELECT); nullptr when the menu
  // closes or the selection is on nothing of ours.
  virtual void SelectItem(TMenuItem*) {}

 protected:
  ~TMenuPainter() = default;
};

}  // namespace sundrel
