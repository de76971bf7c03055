#include "skin/model/image_reference.h"

#include <algorithm>

#include "base/int_parse.h"
#include "skin/model/mask_geometry.h"

namespace sundrel {

namespace {

// The integer at 1-based character positions first..last; characters beyond the value's end
// are simply missing, so a value cut short reads as an empty (invalid) number.
int32_t FixedField(std::string_view value, size_t first, size_t last) {
  const size_t from = std::min(first - 1, value.size());
  return StrToInt(value.substr(from, last - first + 1));
}

TRect FixedRect(std::string_view value) {
  return {FixedField(value, 2, 5), FixedField(value, 7, 10), FixedField(value, 12, 15), FixedField(value, 17, 20)};
}

std::string_view Word(const std::vector<std::string_view>& words, size_t number) {
  return number <= words.size() ? words[number - 1] : std::string_view();
}

}  // namespace

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view delimiters) {
  std::vector<std::string_view> words;
  size_t pos = 0;
  while ((pos = text.find_first_not_of(delimiters, pos)) != std::string_view::npos) {
    const size_t end = std::min(text.find_first_of(delimiters, pos), text.size());
    words.push_back(text.substr(pos, end - pos));
    pos = end;
  }
  return words;
}

bool IsPatternKey(std::string_view propertyName) {
  return propertyName == "PATTERN" || propertyName == "HOTPATTERN";
}

TacImgType KnownImgType(int32_t number) {
  return number == itisaTexture || number == itisaGlyph ? static_cast<TacImgType>(number) : itisaBorder;
}

ImageForm ImageFormOf(std::string_view value) {
  if (value.empty()) return ImageForm::None;
  switch (value[0]) {
    case '@':
      return ImageForm::Glyph;
    case '^':
      return ImageForm::Border;
    case '~':
      return ImageForm::Texture;
    case '!':
      return ImageForm::External;
    default:
      if (value == "#") return ImageForm::None;
      return value.find('#') != std::string_view::npos ? ImageForm::Bracketed : ImageForm::WholeFile;
  }
}

TsMaskData ReadGlyph(std::string_view value) {
  TsMaskData record;
  record.R = FixedRect(value);
  record.ImageCount = FixedField(value, 22, 22);
  record.MaskType = FixedField(value, 24, 24);
  record.ImgType = itisaGlyph;
  return record;
}

TsMaskData ReadBorder(std::string_view value) {
  TsMaskData record;
  record.R = FixedRect(value);
  record.WL = FixedField(value, 22, 25);
  record.WT = FixedField(value, 27, 30);
  record.WR = FixedField(value, 32, 35);
  record.WB = FixedField(value, 37, 40);
  record.ImageCount = FixedField(value, 42, 42);
  record.MaskType = FixedField(value, 44, 44);
  record.StretchMode = FixedField(value, 46, 46);
  record.BorderWidth = FixedField(value, 48, 48);
  record.ImgType = itisaBorder;
  CompleteStripWidths(record);
  return record;
}

TsMaskData ReadTexture(std::string_view value) {
  TsMaskData record;
  record.R = FixedRect(value);
  record.StretchMode = FixedField(value, 22, 23);
  record.MaskType = value.size() < 25 ? 0 : FixedField(value, 25, 25);
  record.ImageCount = 1;
  record.ImgType = itisaTexture;
  return record;
}

TsMaskData ReadBracketed(std::string_view value, std::string_view propertyName) {
  const auto words = SplitWords(value, " ()");
  const auto place = SplitWords(Word(words, 2), " ,");
  const auto cells = SplitWords(Word(words, 3), " ,");
  TsMaskData record;
  record.R = {StrToInt(Word(place, 1)), StrToInt(Word(place, 2)), StrToInt(Word(place, 3)), StrToInt(Word(place, 4))};
  record.ImageCount = StrToInt(Word(cells, 1));
  record.MaskType = std::max(StrToInt(Word(cells, 2)), 0);
  record.BorderWidth = cells.size() < 3 ? 0 : std::max(StrToInt(cells[2]), 0);
  if (IsPatternKey(propertyName)) {
    record.ImgType = itisaTexture;
    record.StretchMode = 0;
  } else {
    record.ImgType = itisaBorder;
    record.StretchMode = cells.size() < 4 ? 1 : StrToInt(cells[3]);
  }
  CompleteStripWidths(record);
  return record;
}

std::string_view ExternalFileName(std::string_view value) {
  return Word(SplitWords(value, "!"), 1);
}

void ReadExternalFields(std::string_view value, TsMaskData& record) {
  const auto words = SplitWords(value, "!");
  record.ImageCount = StrToInt(Word(words, 2));
  record.MaskType = StrToInt(Word(words, 3));
  record.ImgType = KnownImgType(StrToInt(Word(words, 4)));
  record.StretchMode = 4;
  if (words.size() < 5) {
    SetDefaultStripWidths(record);
  } else {
    record.WL = StrToInt(Word(words, 5));
    record.WT = StrToInt(Word(words, 6));
    record.WR = StrToInt(Word(words, 7));
    record.WB = StrToInt(Word(words, 8));
  }
}

}  // namespace sundrel
