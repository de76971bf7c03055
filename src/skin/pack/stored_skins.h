// Skins stored in the program's resources: the skin manager's InternalSkins collection. A
// stored skin is normally a pack in Data; the three inner collections describe a skin stored
// unpacked instead, which the skin model turns into its tables.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/stream.h"
#include "skin/model/skin_records.h"
#include "skin/pack/skin_collection.h"

namespace sundrel {

// A picture as the bytes of its file (a bitmap or a JPEG image); empty means none. The skin
// model decodes it when it builds its tables.
using PictureBytes = std::vector<uint8_t>;

// One section. Defaults are those of a section that defines none of its keys.
struct TsSkinGeneral {
  std::string Name;
  std::string SectionName;
  std::string ParentClass;
  int32_t Color = 16777215;
  TsControlBevel Bevel = cbNone;
  int32_t ShadowBlur = 6;
  int32_t ShadowColor = 0;
  bool ShadowDontUse = false;
  bool ShadowEnabled = false;
  bool ReservedBoolean = false;
  int32_t ShadowOffset = 3;
  int32_t ShadowTransparency = 50;
  // Five integers separated by blanks: the text colour, then the outline colours left, top,
  // right and bottom (-1 = none).
  std::string FontColor = "0 -1 -1 -1 -1";
  std::string HotFontColor = "0 -1 -1 -1 -1";
  int32_t Transparency = 0;
  int32_t GradientPercent = 0;
  std::string GradientData = " ";
  int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int32_t FadingIntervalIn = 5;
  int32_t FadingIntervalOut = 5;
  int32_t FadingIterations = 5;
  int32_t HotColor = 16777215;
  int32_t HotTransparency = 0;
  TsControlBevel HotBevel = cbNone;
  int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  int32_t HotImagePercent = 0;
  int32_t BorderColor1 = 0;
  int32_t BorderColor2 = 0;
};

// One image: its own picture when Name is set, else the rectangle Left, Top, Right, Bottom of
// the stored skin's master bitmap.
struct TsSkinImage {
  std::string Name;
  std::string SectionName;
  std::string PropertyName;
  PictureBytes Image;
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  int32_t ImageCount = 0;
  int32_t MaskType = 0;
  int32_t BorderWidth = 0;
  int32_t StretchMode = 0;
  TacImgType ImgType = itisaBorder;
  int32_t WL = 0;
  int32_t WR = 0;
  int32_t WT = 0;
  int32_t WB = 0;
};

// One JPEG pattern.
struct TsSkinPattern {
  std::string Name;
  std::string SectionName;
  std::string PropertyName;
  PictureBytes Image;
};

using TsSkinGenerals = TsCollection<TsSkinGeneral>;
using TsSkinImages = TsCollection<TsSkinImage>;
using TsSkinPatterns = TsCollection<TsSkinPattern>;

struct TsStoredSkin {
  std::string Name;  // what SkinName selects, compared case-sensitively
  TsSkinGenerals GeneralData;
  TsSkinImages Images;
  TsSkinPatterns Patterns;
  PictureBytes MasterBitmap;
  int32_t Shadow1Color = 0;
  int32_t Shadow1Offset = 0;
  int32_t Shadow1Blur = -1;
  int32_t Shadow1Transparency = 0;
  int32_t BorderColor = 0xFF00FF;
  double Version = 0;
  std::string Author;
  std::string Description;
  // The complete bytes of a pack; empty when the inner collections are the skin.
  TMemoryStream Data;
};

class TsStoredSkins : public TsCollection<TsStoredSkin> {
 public:
  // The first item whose Name equals the name exactly, or -1.
  int IndexOfSkinName(const std::string& name) const;
};

}  // namespace sundrel
