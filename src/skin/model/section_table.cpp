#include "skin/model/section_table.h"

#include "base/int_parse.h"
#include "skin/model/image_reference.h"
#include "skin/options/inherited_values.h"

namespace sundrel {

namespace {

constexpr std::string_view kSectionKeyNames[] = {
    // in SectionKey's order
    "COLOR",
    "BEVEL",
    "SHADOWBLUR",
    "SHADOWOFFSET",
    "SHADOWCOLOR",
    "SHADOWTRANSPARENCY",
    "SHADOWENABLED",
    "RESERVEDBOOLEAN",
    "FONTCOLOR",
    "TCLEFT",
    "TCTOP",
    "TCRIGHT",
    "TCBOTTOM",
    "HOTFONTCOLOR",
    "HOTTCLEFT",
    "HOTTCTOP",
    "HOTTCRIGHT",
    "HOTTCBOTTOM",
    "TRANSPARENCY",
    "GRADIENTPERCENT",
    "IMAGEPERCENT",
    "GRADIENTDATA",
    "SHOWFOCUS",
    "FADINGENABLED",
    "FADINGINTERVALIN",
    "FADINGINTERVALOUT",
    "FADINGITERATIONS",
    "HOTCOLOR",
    "HOTTRANSPARENCY",
    "HOTBEVEL",
    "HOTGRADIENTPERCENT",
    "HOTGRADIENTDATA",
    "HOTIMAGEPERCENT",
    "BORDERCOLOR1",
    "BORDERCOLOR2",
};
static_assert(std::size(kSectionKeyNames) == static_cast<size_t>(SectionKey::Count));

// A section of the skin, which takes what it does not give from its "PARENTCLASS" chain.
class SkinSectionValues final : public SectionValues {
 public:
  SkinSectionValues(const OptionsText& options, const InheritedValues& inherited, const SectionKeys& keys, int section)
      : options_(options), inherited_(inherited), keys_(keys), section_(section) {}

  std::optional<int32_t> Integer(SectionKey key) const override { return inherited_.Integer(section_, keys_[key]); }
  std::optional<int32_t> OwnInteger(SectionKey key) const override {
    const auto value = options_.Value(section_, keys_[key]);
    return value ? TryStrToInt(*value) : std::nullopt;
  }
  std::optional<std::string_view> Text(SectionKey key) const override { return inherited_.Text(section_, keys_[key]); }
  std::optional<bool> Boolean(SectionKey key) const override { return inherited_.Boolean(section_, keys_[key]); }

 private:
  const OptionsText& options_;
  const InheritedValues& inherited_;
  const SectionKeys& keys_;
  int section_;
};

// Bevels outside the known five are drawn as none.
TsControlBevel KnownBevel(int32_t value) {
  return value >= cbNone && value <= cbLoweredHard ? static_cast<TsControlBevel>(value) : cbNone;
}

// One key of a section, with the field of the loaded record and the field of the stored item
// that hold its value: one table serves the options text, the common sections and the skins
// stored unpacked alike.
struct SectionField {
  enum Kind {
    kInteger,     // taken from the parents when not given
    kOwnInteger,  // read from the section alone, where -1 is a value
    kColor,       // as kInteger, resolved from a system colour
    kBevel,       // as kInteger, one of the five bevels
    kBoolean,     // taken from the parents when not given
    kGradient,    // a gradient list as written (from the parents when not given), and parsed
    kTextColor,   // one of the five text colours; the stored item writes all five in one text
  };
  SectionKey key;
  Kind kind;
  int32_t TsGeneralData::*integer = nullptr;
  int32_t TsSkinGeneral::*storedInteger = nullptr;
  TsControlBevel TsGeneralData::*bevel = nullptr;
  TsControlBevel TsSkinGeneral::*storedBevel = nullptr;
  bool TsGeneralData::*boolean = nullptr;
  bool TsSkinGeneral::*storedBoolean = nullptr;
  std::string TsGeneralData::*text = nullptr;
  TsGradArray TsGeneralData::*gradient = nullptr;
  std::string TsSkinGeneral::*storedText = nullptr;
  std::array<TColor, 5> TsGeneralData::*textColors = nullptr;
  size_t textColor = 0;  // which of the five
};

constexpr SectionField Integer(SectionKey key, int32_t TsGeneralData::*field, int32_t TsSkinGeneral::*stored,
                               SectionField::Kind kind = SectionField::kInteger) {
  return {.key = key, .kind = kind, .integer = field, .storedInteger = stored};
}

constexpr SectionField Bevel(SectionKey key, TsControlBevel TsGeneralData::*field,
                             TsControlBevel TsSkinGeneral::*stored) {
  return {.key = key, .kind = SectionField::kBevel, .bevel = field, .storedBevel = stored};
}

constexpr SectionField Boolean(SectionKey key, bool TsGeneralData::*field, bool TsSkinGeneral::*stored) {
  return {.key = key, .kind = SectionField::kBoolean, .boolean = field, .storedBoolean = stored};
}

constexpr SectionField Gradient(SectionKey key, std::string TsGeneralData::*field, TsGradArray TsGeneralData::*steps,
                                std::string TsSkinGeneral::*stored) {
  return {.key = key, .kind = SectionField::kGradient, .text = field, .gradient = steps, .storedText = stored};
}

constexpr SectionField TextColor(SectionKey key, std::array<TColor, 5> TsGeneralData::*field, size_t which,
                                 std::string TsSkinGeneral::*stored) {
  return {.key = key, .kind = SectionField::kTextColor, .storedText = stored, .textColors = field, .textColor = which};
}

using G = TsGeneralData;
using S = TsSkinGeneral;

// In the order in which the keys are read.
constexpr SectionField kSectionFields[] = {
    Integer(SectionKey::Color, &G::Color, &S::Color, SectionField::kColor),
    Bevel(SectionKey::Bevel, &G::Bevel, &S::Bevel),
    Integer(SectionKey::ShadowBlur, &G::ShadowBlur, &S::ShadowBlur),
    Integer(SectionKey::ShadowOffset, &G::ShadowOffset, &S::ShadowOffset),
    Integer(SectionKey::ShadowColor, &G::ShadowColor, &S::ShadowColor, SectionField::kOwnInteger),
    Integer(SectionKey::ShadowTransparency, &G::ShadowTransparency, &S::ShadowTransparency),
    Boolean(SectionKey::ShadowEnabled, &G::ShadowEnabled, &S::ShadowEnabled),
    Boolean(SectionKey::ReservedBoolean, &G::ReservedBoolean, &S::ReservedBoolean),
    TextColor(SectionKey::FontColor, &G::FontColor, 0, &S::FontColor),
    TextColor(SectionKey::TcLeft, &G::FontColor, 1, &S::FontColor),
    TextColor(SectionKey::TcTop, &G::FontColor, 2, &S::FontColor),
    TextColor(SectionKey::TcRight, &G::FontColor, 3, &S::FontColor),
    TextColor(SectionKey::TcBottom, &G::FontColor, 4, &S::FontColor),
    TextColor(SectionKey::HotFontColor, &G::HotFontColor, 0, &S::HotFontColor),
    TextColor(SectionKey::HotTcLeft, &G::HotFontColor, 1, &S::HotFontColor),
    TextColor(SectionKey::HotTcTop, &G::HotFontColor, 2, &S::HotFontColor),
    TextColor(SectionKey::HotTcRight, &G::HotFontColor, 3, &S::HotFontColor),
    TextColor(SectionKey::HotTcBottom, &G::HotFontColor, 4, &S::HotFontColor),
    Integer(SectionKey::Transparency, &G::Transparency, &S::Transparency),
    Integer(SectionKey::GradientPercent, &G::GradientPercent, &S::GradientPercent),
    Integer(SectionKey::ImagePercent, &G::ImagePercent, &S::ImagePercent),
    Gradient(SectionKey::GradientData, &G::GradientData, &G::GradientArray, &S::GradientData),
    Boolean(SectionKey::ShowFocus, &G::ShowFocus, &S::ShowFocus),
    Boolean(SectionKey::FadingEnabled, &G::FadingEnabled, &S::FadingEnabled),
    Integer(SectionKey::FadingIntervalIn, &G::FadingIntervalIn, &S::FadingIntervalIn),
    Integer(SectionKey::FadingIntervalOut, &G::FadingIntervalOut, &S::FadingIntervalOut),
    Integer(SectionKey::FadingIterations, &G::FadingIterations, &S::FadingIterations),
    Integer(SectionKey::HotColor, &G::HotColor, &S::HotColor),
    Integer(SectionKey::HotTransparency, &G::HotTransparency, &S::HotTransparency),
    Bevel(SectionKey::HotBevel, &G::HotBevel, &S::HotBevel),
    Integer(SectionKey::HotGradientPercent, &G::HotGradientPercent, &S::HotGradientPercent),
    Gradient(SectionKey::HotGradientData, &G::HotGradientData, &G::HotGradientArray, &S::HotGradientData),
    Integer(SectionKey::HotImagePercent, &G::HotImagePercent, &S::HotImagePercent),
    Integer(SectionKey::BorderColor1, &G::BorderColor1, &S::BorderColor1),
    Integer(SectionKey::BorderColor2, &G::BorderColor2, &S::BorderColor2),
};

void ReadField(const SectionField& f, const SectionValues& values, const SystemColors& system, TsGeneralData& r) {
  switch (f.kind) {
    case SectionField::kInteger:
    case SectionField::kColor:
      if (const auto value = values.Integer(f.key)) r.*f.integer = *value;
      if (f.kind == SectionField::kColor) r.*f.integer = ResolveColor(r.*f.integer, system);
      break;
    case SectionField::kOwnInteger:
      if (const auto value = values.OwnInteger(f.key)) r.*f.integer = *value;
      break;
    case SectionField::kBevel:
      if (const auto value = values.Integer(f.key)) r.*f.bevel = KnownBevel(*value);
      break;
    case SectionField::kBoolean:
      if (const auto value = values.Boolean(f.key)) r.*f.boolean = *value;
      break;
    case SectionField::kGradient:
      if (const auto value = values.Text(f.key)) r.*f.text = *value;
      r.*f.gradient = GradientOf(r.*f.text);
      break;
    case SectionField::kTextColor:
      if (const auto value = values.Integer(f.key)) (r.*f.textColors)[f.textColor] = *value;
      break;
  }
}

void CopyStoredField(const SectionField& f, const TsSkinGeneral& item, const SystemColors& system, TsGeneralData& r) {
  switch (f.kind) {
    case SectionField::kInteger:
    case SectionField::kOwnInteger:
      r.*f.integer = item.*f.storedInteger;
      break;
    case SectionField::kColor:
      r.*f.integer = ResolveColor(item.*f.storedInteger, system);
      break;
    case SectionField::kBevel:
      r.*f.bevel = KnownBevel(item.*f.storedBevel);
      break;
    case SectionField::kBoolean:
      r.*f.boolean = item.*f.storedBoolean;
      break;
    case SectionField::kGradient:
      r.*f.text = item.*f.storedText;
      r.*f.gradient = GradientOf(r.*f.text);
      break;
    case SectionField::kTextColor: {
      // "<text colour> <left> <top> <right> <bottom>"; colours not written stay as they are.
      const std::vector<std::string_view> words = SplitWords(item.*f.storedText, " ");
      if (f.textColor < words.size()) (r.*f.textColors)[f.textColor] = StrToInt(words[f.textColor]);
      break;
    }
  }
}

}  // namespace

SectionKeys::SectionKeys(const OptionsText& options) {
  for (size_t i = 0; i < numbers_.size(); ++i) numbers_[i] = options.FindKey(kSectionKeyNames[i]);
}

TsGradArray GradientOf(std::string_view text) {
  return text == " " ? TsGradArray() : ParseGradientData(text);
}

TsGeneralData DefaultSectionRecord() {
  return StoredSectionRecord(TsSkinGeneral(), ClassicSystemColors());
}

TsGeneralData StoredSectionRecord(const TsSkinGeneral& item, const SystemColors& system) {
  TsGeneralData record;
  record.ParentClass = item.ParentClass;
  record.SectionName = item.SectionName;
  for (const SectionField& field : kSectionFields) CopyStoredField(field, item, system, record);
  return record;
}

bool IsSectionKey(std::string_view key) {
  if (SameTextNoCase(key, "PARENTCLASS")) return true;
  for (std::string_view name : kSectionKeyNames) {
    if (SameTextNoCase(key, name)) return true;
  }
  return false;
}

void ReadSectionKeys(const SectionValues& values, const SystemColors& system, TsGeneralData& record) {
  for (const SectionField& field : kSectionFields) ReadField(field, values, system, record);
}

void AppendSectionRecords(const OptionsText& options, const SystemColors& system,
                          std::vector<TsGeneralData>& sections) {
  const InheritedValues inherited(options);
  const SectionKeys keys(options);
  for (const std::string_view name : options.SectionNames()) {
    const int section = options.FindSection(name);
    TsGeneralData record = DefaultSectionRecord();
    record.SectionName = name;
    record.ParentClass = options.Value(section, "PARENTCLASS").value_or("");
    ReadSectionKeys(SkinSectionValues(options, inherited, keys, section), system, record);
    sections.push_back(std::move(record));
  }
}

}  // namespace sundrel
