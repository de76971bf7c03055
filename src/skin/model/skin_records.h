// The records of a loaded skin: one per section (TsGeneralData), one per image (TsMaskData), one
// per large JPEG texture (TsPatternData), and the skin-wide information (TsSkinData).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/gradient.h"
#include "paint/pixels.h"

namespace sundrel {

enum TsControlBevel : uint8_t { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };

enum TacImgType : uint8_t { itisaBorder, itisaTexture, itisaGlyph };

// A decoded picture. Once made it is never changed (recolouring makes new ones), so every record
// that shows a picture, and the master bitmap, share the one decoded copy.
using SharedPicture = std::shared_ptr<const TacMemBitmap>;

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  bool operator==(const TSize&) const = default;
};

// How one kind of skinned element looks: colours, bevels, text colours, shadow, transparency,
// gradients and fading. The gradient lists are kept as written and parsed.
struct TsGeneralData {
  std::string ParentClass;
  std::string SectionName;
  TColor Color = 0;
  TsControlBevel Bevel = cbNone;
  // [0] the text colour; [1]..[4] copies of the text one pixel to the left, above, to the right
  // and below, -1 for none.
  std::array<TColor, 5> FontColor{0, -1, -1, -1, -1};
  std::array<TColor, 5> HotFontColor{0, -1, -1, -1, -1};
  bool ReservedBoolean = false;
  int32_t ShadowBlur = 0;
  TColor ShadowColor = 0;
  bool ShadowEnabled = false;
  int32_t ShadowOffset = 0;
  int32_t ShadowTransparency = 0;
  int32_t Transparency = 0;
  int32_t GradientPercent = 0;
  std::string GradientData;
  TsGradArray GradientArray;  // empty: no gradient
  int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int32_t FadingIntervalIn = 0;
  int32_t FadingIntervalOut = 0;
  int32_t FadingIterations = 0;
  TColor HotColor = 0;
  int32_t HotTransparency = 0;
  TsControlBevel HotBevel = cbNone;
  int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  TsGradArray HotGradientArray;
  int32_t HotImagePercent = 0;
  TColor BorderColor1 = 0;
  TColor BorderColor2 = 0;
  bool operator==(const TsGeneralData&) const = default;
};

// One image of a skin: a rectangle of the master bitmap, or a bitmap of its own, holding
// ImageCount state cells side by side (and, with MaskType 1, their masks in the lower half).
struct TsMaskData {
  SharedPicture Image;  // the record's own bitmap; none means the master bitmap
  std::string SectionName;
  std::string PropertyName;
  TRect R;
  int32_t ImageCount = 0;
  int32_t MaskType = 0;
  int32_t BorderWidth = 0;
  int32_t StretchMode = 0;
  TacImgType ImgType = itisaBorder;
  // Widths of the left, top, right and bottom strips of a nine-part border image.
  int32_t WL = 0;
  int32_t WT = 0;
  int32_t WR = 0;
  int32_t WB = 0;
};

// A JPEG texture kept whole: from an options text, one of at least 90,000 pixels; from a stored
// skin, any.
struct TsPatternData {
  SharedPicture Image;  // never none
  std::string SectionName;
  std::string PropertyName;
};

// What the skin says about itself ("GLOBALINFO"), and where and whether it is in use.
struct TsSkinData {
  std::string SkinFolder;  // folder of the skin's loose files, with a trailing delimiter
  bool Active = false;     // loaded and announced
  double Version = 0;
  std::string Author;
  std::string Description;
  TColor Shadow1Color = 0;
  int32_t Shadow1Offset = 0;
  int32_t Shadow1Blur = -1;
  int32_t Shadow1Transparency = 0;
  TColor BorderColor = 0;
  int32_t BISpace = 0;  // extra space between title bar buttons
};

}  // namespace sundrel
