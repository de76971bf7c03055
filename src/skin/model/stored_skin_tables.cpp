#include "skin/model/stored_skin_tables.h"

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
  for (int i = 0; i < items.Count(); ++i) sections.push_back(StoredSectionRecord(items.Items(i), system));
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
