#include "skin/model/cached_indexes.h"

#include <string_view>

#include "skin/model/skin_model.h"

namespace sundrel {

namespace {

enum ImageKeys : unsigned { kBorders = 1, kGlyph = 2, kTextures = 4 };

ElementIndexes Resolve(const SkinModel& model, std::string_view section, unsigned keys) {
  ElementIndexes element;
  element.SkinIndex = model.GetSkinIndex(section);
  const int skin = element.SkinIndex;
  if (keys & kBorders) element.BordersMask = model.GetMaskIndex(skin, section, "BORDERSMASK");
  if (keys & kGlyph) element.GlyphMask = model.GetMaskIndex(skin, section, "GLYPHMASK");
  if (keys & kTextures) {
    element.Pattern = model.GetTextureIndex(skin, section, "PATTERN");
    element.HotPattern = model.GetTextureIndex(skin, section, "HOTPATTERN");
  }
  return element;
}

}  // namespace

CachedIndexes ResolveCachedIndexes(const SkinModel& model) {
  CachedIndexes c;
  c.GlobalInfo = model.GetSkinIndex("GLOBALINFO");
  const auto global = [&](std::string_view key) { return model.GetMaskIndex(c.GlobalInfo, "GLOBALINFO", key); };
  c.BoxChecked = global("BOXCHECKED");
  c.BoxUnchecked = global("BOXUNCHECKED");
  c.BoxGrayed = global("BOXGRAYED");
  c.RadioChecked = global("RADIOCHECKED");
  c.RadioUnchecked = global("RADIOUNCHECKED");
  c.RadioGrayed = global("RADIOGRAYED");
  c.SmallChecked = global("SMALLCHECKED");
  c.SmallUnchecked = global("SMALLUNCHECKED");
  c.SmallGrayed = global("SMALLGRAYED");

  c.ComboBtn = Resolve(model, "COMBOBTN", kTextures);
  c.ComboBtn.BordersMask = model.GetMaskIndexDirect("COMBOBTN", "BORDERSMASK");
  c.ComboBtn.GlyphMask = model.GetMaskIndexDirect("COMBOBOX", "GLYPHMASK");

  c.TabTop = Resolve(model, "TABTOP", kBorders);
  c.TabBottom = Resolve(model, "TABBOTTOM", kBorders);
  c.TabLeft = Resolve(model, "TABLEFT", kBorders);
  c.TabRight = Resolve(model, "TABRIGHT", kBorders);

  constexpr unsigned kAll = kBorders | kGlyph | kTextures;
  c.ScrollBtnTop = Resolve(model, "SCROLLBTNTOP", kAll);
  c.ScrollBtnBottom = Resolve(model, "SCROLLBTNBOTTOM", kAll);
  c.ScrollBtnLeft = Resolve(model, "SCROLLBTNLEFT", kAll);
  c.ScrollBtnRight = Resolve(model, "SCROLLBTNRIGHT", kAll);
  c.ScrollSliderV = Resolve(model, "SCROLLSLIDERV", kAll);
  c.ScrollSliderH = Resolve(model, "SCROLLSLIDERH", kAll);

  constexpr unsigned kTrack = kBorders | kTextures;
  c.ScrollBar1H = Resolve(model, "SCROLLBAR1H", kTrack);
  c.ScrollBar1V = Resolve(model, "SCROLLBAR1V", kTrack);
  c.ScrollBar2H = Resolve(model, "SCROLLBAR2H", kTrack);
  c.ScrollBar2V = Resolve(model, "SCROLLBAR2V", kTrack);
  return c;
}

}  // namespace sundrel
