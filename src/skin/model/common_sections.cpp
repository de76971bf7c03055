// The skin manager's CommonSections: extra options text laid over every skin once it is built.
#include <string>

#include "base/int_parse.h"
#include "skin/image/decoded_images.h"
#include "skin/model/mask_table.h"
#include "skin/model/pattern_table.h"
#include "skin/model/section_table.h"
#include "skin/model/skin_model.h"
#include "skin/options/options_text.h"

namespace sundrel {

namespace {

// Spaces are not part of any name or value there (comment lines keep theirs).
std::string WithoutSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool lineStart = true;
  bool comment = false;
  for (const char c : text) {
    if (lineStart) comment = c == ';';
    lineStart = c == '\r' || c == '\n';
    if (c != ' ' || comment) out += c;
  }
  return out;
}

// A common section gives only what it writes: integers other than -1, and any text.
class CommonSectionValues final : public SectionValues {
 public:
  CommonSectionValues(const OptionsText& options, const SectionKeys& keys, int section)
      : options_(options), keys_(keys), section_(section) {}

  std::optional<int32_t> Integer(SectionKey key) const override {
    const auto value = Text(key);
    const auto number = value ? TryStrToInt(*value) : std::nullopt;
    return number == -1 ? std::nullopt : number;
  }
  std::optional<int32_t> OwnInteger(SectionKey key) const override { return Integer(key); }
  std::optional<std::string_view> Text(SectionKey key) const override { return options_.Value(section_, keys_[key]); }
  std::optional<bool> Boolean(SectionKey key) const override {
    const auto value = Text(key);
    return value ? std::optional<bool>(SameTextNoCase(*value, "TRUE")) : std::nullopt;
  }

 private:
  const OptionsText& options_;
  const SectionKeys& keys_;
  int section_;
};

const TsGeneralData* FindByUpperName(const std::vector<TsGeneralData>& sections, std::string_view name) {
  if (name.empty()) return nullptr;
  for (const TsGeneralData& section : sections) {
    if (SameTextNoCase(section.SectionName, name)) return &section;
  }
  return nullptr;
}

}  // namespace

void SkinModel::ApplyCommonSections(std::string_view text, SkinImageSource& skinImages, SkinImageSource& looseFiles) {
  const OptionsText common(WithoutSpaces(text));
  const SectionKeys keys(common);
  Reindexed([&] {
    for (const std::string_view name : common.SectionNames()) {
      const int section = common.FindSection(name);
      const CommonSectionValues values(common, keys, section);
      const int existing = GetSkinIndex(name);
      if (existing >= 0) {
        // Into a copy, so that a gradient that stops the overlay leaves no record half updated.
        TsGeneralData updated = sections_[existing];
        ReadSectionKeys(values, system_, updated);
        sections_[existing] = std::move(updated);
        continue;
      }
      const std::string_view parent = common.Value(section, "PARENTCLASS").value_or("");
      const TsGeneralData* base = FindByUpperName(sections_, parent);
      TsGeneralData record = base ? *base : DefaultSectionRecord();
      record.SectionName = name;
      record.ParentClass = parent;
      ReadSectionKeys(values, system_, record);
      sections_.push_back(std::move(record));
      sectionIndex_.Add(name, static_cast<int>(sections_.size() - 1));
    }

    DecodedImages files(looseFiles);
    DecodedImages pictures(skinImages);
    common.ForEachValue([&](std::string_view section, std::string_view key, std::string_view value) {
      if (SameTextNoCase(section, "GLOBALINFO") || !MayNameImage(section, key)) return;
      if (value.find('#') == std::string_view::npos || MasterBitmap().Empty()) {
        AppendWholeFileRecord(section, key, value, files, masks_);
      } else if (value != "#") {
        AppendImageOrWarn(
            section, key, [&] { AppendBracketedRecord(section, key, value, masks_); }, warnings_);
      }
    });
    common.ForEachValue([&](std::string_view section, std::string_view key, std::string_view value) {
      if (MayNameImage(section, key)) AppendPatternRecord(section, key, value, pictures, patterns_, masks_);
    });
  });
}

}  // namespace sundrel
