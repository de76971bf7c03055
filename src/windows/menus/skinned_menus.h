// Skinned menus for every skin manager: a program that includes this header gives each manager
// made from then on a menu painter (TsSkinableMenus), so that its popup menus are painted from
// the skin while the skin is active.
#pragma once

namespace sundrel {

void RegisterSkinableMenus();

inline const bool kSkinableMenusRegistered = (RegisterSkinableMenus(), true);

}  // namespace sundrel
