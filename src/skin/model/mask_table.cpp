#include "skin/model/mask_table.h"

#include "base/errors.h"
#include "skin/model/image_reference.h"
#include "skin/model/mask_geometry.h"
#include "skin/model/section_table.h"
#include "skin/model/skin_info.h"

namespace sundrel {

namespace {

// The glyph, border, texture and external forms keep the names as written.
void AppendAsWritten(TsMaskData record, std::string_view section, std::string_view key,
                     std::vector<TsMaskData>& masks) {
  record.SectionName = section;
  record.PropertyName = key;
  masks.push_back(std::move(record));
}

void AppendExternalRecord(std::string_view section, std::string_view key, std::string_view value, DecodedImages& images,
                          std::vector<TsMaskData>& masks) {
  const std::string_view file = ExternalFileName(value);
  if (file.find(".BMP") == std::string_view::npos) return;
  SharedPicture picture = images.Find(file);
  if (!picture) return;
  TsMaskData record = MaskWithOwnImage(std::move(picture));
  ReadExternalFields(value, record);
  AppendAsWritten(std::move(record), section, key, masks);
}

void AppendImageRecord(std::string_view section, std::string_view key, std::string_view value, DecodedImages& images,
                       std::vector<TsMaskData>& masks) {
  switch (ImageFormOf(value)) {
    case ImageForm::None:
      break;
    case ImageForm::Glyph:
      AppendAsWritten(ReadGlyph(value), section, key, masks);
      break;
    case ImageForm::Border:
      AppendAsWritten(ReadBorder(value), section, key, masks);
      break;
    case ImageForm::Texture:
      AppendAsWritten(ReadTexture(value), section, key, masks);
      break;
    case ImageForm::External:
      AppendExternalRecord(section, key, value, images, masks);
      break;
    case ImageForm::WholeFile:
      AppendWholeFileRecord(section, key, value, images, masks);
      break;
    case ImageForm::Bracketed:
      AppendBracketedRecord(section, key, value, masks);
      break;
  }
}

}  // namespace

bool MayNameImage(std::string_view section, std::string_view key) {
  if (IsSectionKey(key)) return false;
  return !(SameTextNoCase(section, "GLOBALINFO") && IsSkinInformationKey(key));
}

void AppendImageOrWarn(std::string_view section, std::string_view key, const std::function<void()>& append,
                       std::vector<std::string>& warnings) {
  try {
    append();
  } catch (const EConvertError& error) {
    warnings.push_back(FormatText(SImageLeftOut, {std::string(key), std::string(section), error.Message()}));
  }
}

TsMaskData MaskWithOwnImage(SharedPicture picture) {
  TsMaskData record;
  record.R = {0, 0, picture->Width(), picture->Height()};
  record.Image = std::move(picture);
  return record;
}

SharedPicture LoadMasterBitmap(const OptionsText& options, DecodedImages& images) {
  const auto name = options.Value("GLOBALINFO", "MASTERBITMAP");
  if (!name || name->empty()) return nullptr;
  return images.Find(*name);
}

void AppendWholeFileRecord(std::string_view section, std::string_view key, std::string_view value,
                           DecodedImages& images, std::vector<TsMaskData>& masks) {
  const std::string file = UpperCase(value);
  if (file.find(".BMP") == std::string::npos) return;
  SharedPicture picture = images.Find(file);
  if (!picture) return;
  TsMaskData record = MaskWithOwnImage(std::move(picture));
  record.SectionName = UpperCase(section);
  record.PropertyName = UpperCase(key);
  record.ImageCount = 3;
  record.MaskType = 1;
  record.ImgType = itisaBorder;
  SetDefaultStripWidths(record);
  masks.push_back(std::move(record));
}

void AppendBracketedRecord(std::string_view section, std::string_view key, std::string_view value,
                           std::vector<TsMaskData>& masks) {
  const std::string property = UpperCase(key);
  TsMaskData record = ReadBracketed(value, property);
  record.SectionName = UpperCase(section);
  record.PropertyName = property;
  masks.push_back(std::move(record));
}

void AppendMaskRecords(const OptionsText& options, DecodedImages& images, std::vector<TsMaskData>& masks,
                       std::vector<std::string>& warnings) {
  options.ForEachValue([&](std::string_view section, std::string_view key, std::string_view value) {
    if (!MayNameImage(section, key)) return;
    AppendImageOrWarn(
        section, key, [&] { AppendImageRecord(section, key, value, images, masks); }, warnings);
  });
}

}  // namespace sundrel
