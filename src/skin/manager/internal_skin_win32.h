// The skin that ships inside sundrel.exe: its pack is the RCDATA resource TIDEWATER_ASZ
// (built by skins/, linked as sundrel_skin_resource).
#pragma once

#include <windows.h>

#include "skin/pack/stored_skins.h"

namespace sundrel {

inline constexpr const char* kInternalSkinName = "Tidewater (internal)";
inline constexpr const wchar_t* kInternalSkinResource = L"TIDEWATER_ASZ";
inline constexpr const char* SSkinResourceMissing = "The program's skin resource \"%s\" is missing";

// Appends the stored skin "Tidewater (internal)" whose Data is the pack of the module's resource
// (the program's own when module is null). Raises Exception when the module has no such
// resource: the program was linked without its skin.
TsStoredSkin& AddInternalSkin(TsStoredSkins& skins, HMODULE module = nullptr);

}  // namespace sundrel
