#include "skin/manager/internal_skin_win32.h"

#include "base/errors.h"
#include "base/utf.h"

namespace sundrel {

TsStoredSkin& AddInternalSkin(TsStoredSkins& skins, HMODULE module) {
  if (module == nullptr) module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, kInternalSkinResource, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) throw Exception(FormatText(SSkinResourceMissing, {FromWide(kInternalSkinResource)}));
  // Resources stay mapped as long as the module; the stored skin keeps a copy of its own, as a
  // skin read from a window resource does.
  TsStoredSkin& skin = skins.Add();
  skin.Name = kInternalSkinName;
  skin.Data.WriteBuffer(bytes, SizeofResource(module, found));
  skin.Data.SetPosition(0);
  return skin;
}

}  // namespace sundrel
