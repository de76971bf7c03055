// The section table: one TsGeneralData record per section of the options text, with every key a
// section may give, its default and its inheritance rule.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "skin/model/skin_records.h"
#include "skin/model/system_colors.h"
#include "skin/options/options_text.h"
#include "skin/pack/stored_skins.h"

namespace sundrel {

// The keys that a section record reads, in the order it reads them; each text colour's key is
// followed by those of its four outline colours.
enum class SectionKey {
  Color,
  Bevel,
  ShadowBlur,
  ShadowOffset,
  ShadowColor,
  ShadowTransparency,
  ShadowEnabled,
  ReservedBoolean,
  FontColor,
  TcLeft,
  TcTop,
  TcRight,
  TcBottom,
  HotFontColor,
  HotTcLeft,
  HotTcTop,
  HotTcRight,
  HotTcBottom,
  Transparency,
  GradientPercent,
  ImagePercent,
  GradientData,
  ShowFocus,
  FadingEnabled,
  FadingIntervalIn,
  FadingIntervalOut,
  FadingIterations,
  HotColor,
  HotTransparency,
  HotBevel,
  HotGradientPercent,
  HotGradientData,
  HotImagePercent,
  BorderColor1,
  BorderColor2,
  Count
};

// The numbers that one options text gives the section keys: their names are looked up once for
// all the text's sections, not once per section.
class SectionKeys {
 public:
  explicit SectionKeys(const OptionsText& options);
  OptionsKey operator[](SectionKey key) const { return numbers_[static_cast<size_t>(key)]; }

 private:
  std::array<OptionsKey, static_cast<size_t>(SectionKey::Count)> numbers_;
};

// Where the values of one record come from: a section of the skin (with its parents), or a
// common section laid over a record.
class SectionValues {
 public:
  virtual ~SectionValues() = default;
  // Nothing when the key is not given (or -1, or not a number).
  virtual std::optional<int32_t> Integer(SectionKey key) const = 0;
  // Read from the section alone; -1 is a value here.
  virtual std::optional<int32_t> OwnInteger(SectionKey key) const = 0;
  virtual std::optional<std::string_view> Text(SectionKey key) const = 0;
  virtual std::optional<bool> Boolean(SectionKey key) const = 0;
};

// The steps of a gradient list; exactly one blank means no gradient. An item that is not a number
// raises EConvertError.
TsGradArray GradientOf(std::string_view text);

// Every field at the default of its key: the record of a section that gives none of them.
TsGeneralData DefaultSectionRecord();

// The record of a section stored unpacked in the program's resources, taken as it is (the item
// is complete: nothing is inherited); COLOR is resolved from a system colour, the text colours
// are read from their five integers and the gradient lists parsed. A number that is not a number
// raises EConvertError.
TsGeneralData StoredSectionRecord(const TsSkinGeneral& item, const SystemColors& system);

// Whether a section's record reads the key (or it is "PARENTCLASS"), in any case.
bool IsSectionKey(std::string_view key);

// Sets every field whose key the values give, keys in their fixed order; COLOR is resolved
// from a system colour and the gradient lists are parsed. A gradient item that is not a number
// raises EConvertError and leaves the record half read.
void ReadSectionKeys(const SectionValues& values, const SystemColors& system, TsGeneralData& record);

// One record per listed section, in file order (a section written twice gives two equal
// records); ParentClass is the section's own "PARENTCLASS".
void AppendSectionRecords(const OptionsText& options, const SystemColors& system, std::vector<TsGeneralData>& sections);

}  // namespace sundrel
