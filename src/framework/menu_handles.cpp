#include "framework/menu_handles.h"

#include <string>

#include "base/utf.h"
#include "framework/menus.h"

namespace sundrel {

namespace {

void SetItemsOfMenu(HMENU menu, const TMenuItem& items) {
  MENUINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIM_MENUDATA;
  info.dwMenuData = reinterpret_cast<ULONG_PTR>(&items);
  SetMenuInfo(menu, &info);
}

void AppendItems(HMENU menu, const TMenuItem& parent, bool ownerDrawn) {
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem& item = *parent.Items(i);
    if (!item.Visible()) continue;
    std::wstring caption = ToWide(item.Caption());
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | (item.IsLine() ? 0 : MIIM_STRING);
    info.fType = (item.IsLine() ? MFT_SEPARATOR : MFT_STRING) | (ownerDrawn ? MFT_OWNERDRAW : 0) |
                 (item.RadioItem() ? MFT_RADIOCHECK : 0) | (item.Break() ? MFT_MENUBARBREAK : 0);
    info.fState = (item.Enabled() ? MFS_ENABLED : MFS_DISABLED) | (item.Checked() ? MFS_CHECKED : MFS_UNCHECKED) |
                  (item.Default() ? MFS_DEFAULT : 0);
    info.wID = item.Command();
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
    info.dwTypeData = caption.data();
    UniqueMenu submenu;
    if (item.Count() > 0 && !item.IsLine()) {
      submenu = BuildPopupMenu(item, ownerDrawn);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = submenu.get();
    }
    // The parent menu owns the submenu from here on.
    if (InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info)) submenu.release();
  }
}

}  // namespace

UniqueMenu BuildPopupMenu(const TMenuItem& items, bool ownerDrawn) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  SetItemsOfMenu(menu.get(), items);
  AppendItems(menu.get(), items, ownerDrawn);
  return menu;
}

TMenuItem* ItemsOfMenu(HMENU menu) {
  MENUINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIM_MENUDATA;
  if (menu == nullptr || !GetMenuInfo(menu, &info)) return nullptr;
  return reinterpret_cast<TMenuItem*>(info.dwMenuData);
}

TMenuItem* MenuItemOf(HMENU menu, UINT item, bool byPosition) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  if (menu == nullptr || !GetMenuItemInfoW(menu, item, byPosition, &info)) return nullptr;
  return reinterpret_cast<TMenuItem*>(info.dwItemData);
}

}  // namespace sundrel
