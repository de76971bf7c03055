#include "skin/pack/stored_skins.h"

namespace sundrel {

int TsStoredSkins::IndexOfSkinName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i).Name == name) return i;
  }
  return -1;
}

}  // namespace sundrel
