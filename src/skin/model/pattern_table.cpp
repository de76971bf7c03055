#include "skin/model/pattern_table.h"

#include "skin/model/mask_table.h"

namespace sundrel {

void AppendPatternRecord(std::string_view section, std::string_view key, std::string_view value, DecodedImages& images,
                         std::vector<TsPatternData>& patterns, std::vector<TsMaskData>& masks) {
  // Most values are numbers and image references: without a dot they name no file, and cost no
  // upper-cased copy.
  if (value.find('.') == std::string_view::npos) return;
  const std::string file = UpperCase(value);
  if (file.find(".JPG") == std::string::npos && file.find(".JPEG") == std::string::npos) return;
  SharedPicture picture = images.Find(file);
  if (!picture) return;
  if (int64_t{picture->Width()} * picture->Height() >= kMinPatternPixels) {
    patterns.push_back({std::move(picture), UpperCase(section), UpperCase(key)});
    return;
  }
  TsMaskData record = MaskWithOwnImage(std::move(picture));
  record.SectionName = UpperCase(section);
  record.PropertyName = UpperCase(key);
  record.ImgType = itisaTexture;
  record.ImageCount = 1;
  masks.push_back(std::move(record));
}

void AppendPatternRecords(const OptionsText& options, DecodedImages& images, std::vector<TsPatternData>& patterns,
                          std::vector<TsMaskData>& masks) {
  options.ForEachValue([&](std::string_view section, std::string_view key, std::string_view value) {
    if (MayNameImage(section, key)) AppendPatternRecord(section, key, value, images, patterns, masks);
  });
}

}  // namespace sundrel
