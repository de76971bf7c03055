// What the skin manager needs of its menu painter. The painter paints with the skinned controls'
// helpers, which stand above the manager, so the manager cannot make one itself: the layer that
// holds the painter hands over a way to make it here, and the manager makes its own with it when
// it is constructed. Without one the manager has no painter and menus keep the system's look.
#pragma once

#include <windows.h>

#include <memory>

namespace sundrel {

class TsSkinManager;
class TPopupMenu;

// Private messages that the painter posts to the application window when it drew items of a menu
// whose window it could not find; the skin manager handles them there.
inline constexpr UINT WM_SHAPE_MENU_OF_ITEM = 0xBCB3;  // lParam: the command identifier of an item
inline constexpr UINT WM_SHAPE_MENU_WINDOW = 0xBCB4;   // lParam: the menu window

class TacMenuPainterLink {
 public:
  virtual ~TacMenuPainterLink() = default;

  // Wires (skinned) or unwires every menu of the application, whether or not they were already:
  // wiring leaves menus that have a painter of their own alone, unwiring takes only its own off.
  virtual void InitMenus(bool skinned) = 0;
  // The same for one menu, made since the menus were last wired (a form's skinned system menu,
  // just before it shows): wiring takes only while the menus are wired.
  virtual void InitPopupMenu(TPopupMenu& menu, bool skinned) = 0;
  // Forgets the border width of the menu skin, so that it is worked out from the next skin.
  virtual void ResetSkinBorderWidth() = 0;
  // Drops the picture of the menu painted last (the skin it was painted with is going).
  virtual void FreeMenuPicture() = 0;
  // The shaping requests: the window of the open menu that shows the item, or the window itself.
  virtual void ShapeWindowOfItem(UINT command) = 0;
  virtual void ShapeMenuWindow(HWND window) = 0;
};

using TMenuPainterFactory = std::unique_ptr<TacMenuPainterLink> (*)(TsSkinManager& manager);

void SetMenuPainterFactory(TMenuPainterFactory factory);
// The factory handed over, or none.
TMenuPainterFactory MenuPainterFactory();

}  // namespace sundrel
