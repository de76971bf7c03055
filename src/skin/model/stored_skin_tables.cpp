#include "skin/model/stored_skin_tables.h"

#include <algorithm>

#include "base/int_parse.h"
#include "skin/image/decoded_images.h"
#include "skin/model/image_reference.h"
#include "skin/model/mask_geometry.h"
#include "skin/model/mask_table.h"
#include "skin/model/section_table.h"
#include "skin/options/options_text.h"

namespace sundrel {

namespace {

// Cut from the master bitmap unless the item has a name, and so a picture of its own.
std::optional<TsMaskData> MaskWithPictureOf(const TsSkinImage& item) {
  if (item.Name.empty()) {
    TsMaskData record;
    record.R = {item.Left, item.Top, item.Right, item.Bottom};
    return record;
  }
  SharedPicture picture = DecodePicture(item.Image);
  if (!picture) return std::nullopt;
  return MaskWithOwnImage(std::move(picture));
}

void AppendStoredMaskRecord(const TsSkinImage& item, std::vector<TsMaskData>& masks) {
  std::optional<TsMaskData> record = MaskWithPictureOf(item);
  if (!record) return;
  TsMaskData& r = *record;
  r.SectionName = UpperCase(item.SectionName);
  r.PropertyName = UpperCase(item.PropertyName);
  r.ImageCount = item.ImageCount;
  r.MaskType = item.MaskType;
  if (r.ImageCount == 0) {
    r.ImageCount = 3;
    r.MaskType = 1;
  }
  r.BorderWidth = item.BorderWidth;
  r.WL = item.WL;
  r.WT = item.WT;
  r.WR = item.WR;
  r.WB = item.WB;
  const TacImgType type = KnownImgType(item.ImgType);
  if (IsPatternKey(r.PropertyName)) {
    r.ImgType = itisaTexture;
    r.StretchMode = type == itisaTexture ? item.StretchMode : 0;
  } else {
    r.ImgType = type;
    r.StretchMode = item.StretchMode;
  }
  CompleteStripWidths(r);
  masks.push_back(std::move(*record));
}

// The picture an item shows: its own, else that of the first item of the same name that has one.
const PictureBytes* PatternPicture(const TsSkinPatterns& items, const TsSkinPattern& item) {
  if (!item.Image.empty()) return &item.Image;
  for (int i = 0; i < items.Count(); ++i) {
    const TsSkinPattern& other = items.Items(i);
    if (other.Name == item.Name && !other.Image.empty()) return &other.Image;
  }
  return nullptr;
}

// "<text colour> <left> <top> <right> <bottom>"; colours not written stay as they were.
void ReadTextColors(std::string_view text, std::array<TColor, 5>& colors) {
  const std::vector<std::string_view> words = SplitWords(text, " ");
  for (size_t i = 0; i < std::min(words.size(), colors.size()); ++i) colors[i] = StrToInt(words[i]);
}

TsGeneralData SectionRecordOf(const TsSkinGeneral& item, const SystemColors& system) {
  TsGeneralData r = DefaultSectionRecord();
  r.ParentClass = item.ParentClass;
  r.SectionName = item.SectionName;
  r.Color = ResolveColor(item.Color, system);
  r.Bevel = item.Bevel;
  ReadTextColors(item.FontColor, r.FontColor);
  ReadTextColors(item.HotFontColor, r.HotFontColor);
  r.ReservedBoolean = item.ReservedBoolean;
  r.ShadowBlur = item.ShadowBlur;
  r.ShadowColor = item.ShadowColor;
  r.ShadowEnabled = item.ShadowEnabled;
  r.ShadowOffset = item.ShadowOffset;
  r.ShadowTransparency = item.ShadowTransparency;
  r.Transparency = item.Transparency;
  r.GradientPercent = item.GradientPercent;
  r.GradientData = item.GradientData;
  r.GradientArray = GradientOf(item.GradientData);
  r.ImagePercent = item.ImagePercent;
  r.ShowFocus = item.ShowFocus;
  r.FadingEnabled = item.FadingEnabled;
  r.FadingIntervalIn = item.FadingIntervalIn;
  r.FadingIntervalOut = item.FadingIntervalOut;
  r.FadingIterations = item.FadingIterations;
  r.HotColor = item.HotColor;
  r.HotTransparency = item.HotTransparency;
  r.HotBevel = item.HotBevel;
  r.HotGradientPercent = item.HotGradientPercent;
  r.HotGradientData = item.HotGradientData;
  r.HotGradientArray = GradientOf(item.HotGradientData);
  r.HotImagePercent = item.HotImagePercent;
  r.BorderColor1 = item.BorderColor1;
  r.BorderColor2 = item.BorderColor2;
  return r;
}

}  // namespace

SharedPicture StoredMasterBitmap(const TsStoredSkin& skin) {
  return DecodePicture(skin.MasterBitmap);
}

void AppendStoredMaskRecords(const TsSkinImages& items, std::vector<TsMaskData>& masks) {
  for (int i = 0; i < items.Count(); ++i) AppendStoredMaskRecord(items.Items(i), masks);
}

void AppendStoredPatternRecords(const TsSkinPatterns& items, std::vector<TsPatternData>& patterns) {
  for (int i = 0; i < items.Count(); ++i) {
    const TsSkinPattern& item = items.Items(i);
    const PictureBytes* bytes = PatternPicture(items, item);
    SharedPicture picture = bytes ? DecodePicture(*bytes) : nullptr;
    if (picture) patterns.push_back({std::move(picture), UpperCase(item.SectionName), UpperCase(item.PropertyName)});
  }
}

void AppendStoredSectionRecords(const TsSkinGenerals& items, const SystemColors& system,
                                std::vector<TsGeneralData>& sections) {
  for (int i = 0; i < items.Count(); ++i) sections.push_back(SectionRecordOf(items.Items(i), system));
}

void ReadStoredSkinInformation(const TsStoredSkin& skin, TsSkinData& info) {
  info.Version = skin.Version;
  info.Author = skin.Author;
  info.Description = skin.Description;
  info.Shadow1Color = skin.Shadow1Color;
  info.Shadow1Offset = skin.Shadow1Offset;
  info.Shadow1Blur = skin.Shadow1Blur;
  info.Shadow1Transparency = skin.Shadow1Transparency;
  info.BorderColor = skin.BorderColor;
}

}  // namespace sundrel
