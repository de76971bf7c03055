// The skinned form's system menu: a framework popup menu in place of the system's, whose items
// follow the form's border, border icons and window state, with a submenu that lists the skins
// the form's manager can change to.
#pragma once

#include <string>

#include "framework/forms.h"
#include "framework/menus.h"

namespace sundrel {

class TsSkinManager;

inline constexpr const char* SRestore = "Restore";
inline constexpr const char* SMove = "Move";
inline constexpr const char* SSize = "Size";
inline constexpr const char* SMinimize = "Minimize";
inline constexpr const char* SMaximize = "Maximize";
inline constexpr const char* SClose = "Close\tAlt+F4";
inline constexpr const char* SAvailableSkins = "Available skins";

// The skins submenu starts a new column after this many items.
inline constexpr int kSkinsPerColumn = 20;

class TsSystemMenu : public TPopupMenu {
 public:
  // The form whose window the commands go to; the manager whose skins are listed comes later.
  TsSystemMenu(TComponent* owner, TCustomForm& form);

  TMenuItem* ItemRestore;
  TMenuItem* ItemMove;
  TMenuItem* ItemSize;
  TMenuItem* ItemMinimize;
  TMenuItem* ItemMaximize;
  TMenuItem* ItemClose;

  // Shows and enables the items by the form's state now.
  void UpdateItems();
  // Puts a fresh "Available skins" submenu (and a line) at the top, one radio item per skin
  // that the manager can load, the current one checked; without a manager, takes it away.
  void UpdateSkinItems(TsSkinManager* manager);
  // The submenu, or nullptr while there is none.
  TMenuItem* SkinItems() const;

 private:
  TMenuItem* NewItem(const std::string& name, const std::string& caption, WPARAM command);
  void RemoveSkinItems();
  void SystemCommand(WPARAM command);

  TCustomForm& form_;
};

}  // namespace sundrel
