// Indexes that scroll bars, check boxes, tabs and combo box buttons use on every paint, resolved
// once per load instead of searched each time. -1 where the skin has nothing.
#pragma once

namespace sundrel {

class SkinModel;

// One element's section and images. Masks inherit through the section's parents unless noted.
struct ElementIndexes {
  int SkinIndex = -1;
  int BordersMask = -1;
  int GlyphMask = -1;
  int Pattern = -1;     // a texture
  int HotPattern = -1;  // a texture
};

struct CachedIndexes {
  // "GLOBALINFO" and its check box and radio button images.
  int GlobalInfo = -1;
  int BoxChecked = -1;
  int BoxUnchecked = -1;
  int BoxGrayed = -1;
  int RadioChecked = -1;
  int RadioUnchecked = -1;
  int RadioGrayed = -1;
  int SmallChecked = -1;
  int SmallUnchecked = -1;
  int SmallGrayed = -1;

  // "COMBOBTN": its own "BORDERSMASK" (not inherited), its textures, and the "GLYPHMASK" of
  // "COMBOBOX" (not inherited).
  ElementIndexes ComboBtn;

  // "BORDERSMASK" only.
  ElementIndexes TabTop, TabBottom, TabLeft, TabRight;

  ElementIndexes ScrollBtnTop, ScrollBtnBottom, ScrollBtnLeft, ScrollBtnRight;
  ElementIndexes ScrollSliderV, ScrollSliderH;
  // No "GLYPHMASK".
  ElementIndexes ScrollBar1H, ScrollBar1V, ScrollBar2H, ScrollBar2V;
};

CachedIndexes ResolveCachedIndexes(const SkinModel& model);

}  // namespace sundrel
