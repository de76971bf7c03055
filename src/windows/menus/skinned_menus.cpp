#include "windows/menus/skinned_menus.h"

#include <memory>

#include "skin/manager/skin_manager_win32.h"
#include "windows/menus/s_skinable_menus.h"

namespace sundrel {

void RegisterSkinableMenus() {
  SetMenuPainterFactory([](TsSkinManager& manager) -> std::unique_ptr<TacMenuPainterLink> {
    return std::make_unique<TsSkinableMenus>(manager);
  });
}

}  // namespace sundrel
