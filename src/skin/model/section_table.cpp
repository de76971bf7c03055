#include "skin/model/section_table.h"

#include "base/int_parse.h"
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

void Store(std::optional<int32_t> value, int32_t& field) {
  if (value) field = *value;
}

void Store(std::optional<bool> value, bool& field) {
  if (value) field = *value;
}

void Store(std::optional<std::string_view> value, std::string& field) {
  if (value) field = *value;
}

// The text colour and its four outline colours, whose keys follow each other from the first.
void StoreTextColors(const SectionValues& values, SectionKey first, std::array<TColor, 5>& colors) {
  for (size_t i = 0; i < colors.size(); ++i) {
    Store(values.Integer(static_cast<SectionKey>(static_cast<size_t>(first) + i)), colors[i]);
  }
}

// Bevels outside the known five are drawn as none.
void StoreBevel(std::optional<int32_t> value, TsControlBevel& field) {
  if (value) field = *value >= cbNone && *value <= cbLoweredHard ? static_cast<TsControlBevel>(*value) : cbNone;
}

}  // namespace

SectionKeys::SectionKeys(const OptionsText& options) {
  for (size_t i = 0; i < numbers_.size(); ++i) numbers_[i] = options.FindKey(kSectionKeyNames[i]);
}

TsGradArray GradientOf(std::string_view text) {
  return text == " " ? TsGradArray() : ParseGradientData(text);
}

TsGeneralData DefaultSectionRecord() {
  TsGeneralData record;
  record.Color = 16777215;
  record.ShadowBlur = 6;
  record.ShadowOffset = 3;
  record.ShadowTransparency = 50;
  record.FontColor = {0, -1, -1, -1, -1};
  record.HotFontColor = {0, -1, -1, -1, -1};
  record.GradientData.assign(1, ' ');  // one blank: no gradient
  record.FadingIntervalIn = 5;
  record.FadingIntervalOut = 5;
  record.FadingIterations = 5;
  record.HotColor = 16777215;
  return record;
}

void ReadSectionKeys(const SectionValues& values, const SystemColors& system, TsGeneralData& r) {
  Store(values.Integer(SectionKey::Color), r.Color);
  r.Color = ResolveColor(r.Color, system);
  StoreBevel(values.Integer(SectionKey::Bevel), r.Bevel);
  Store(values.Integer(SectionKey::ShadowBlur), r.ShadowBlur);
  Store(values.Integer(SectionKey::ShadowOffset), r.ShadowOffset);
  Store(values.OwnInteger(SectionKey::ShadowColor), r.ShadowColor);
  Store(values.Integer(SectionKey::ShadowTransparency), r.ShadowTransparency);
  Store(values.Boolean(SectionKey::ShadowEnabled), r.ShadowEnabled);
  Store(values.Boolean(SectionKey::ReservedBoolean), r.ReservedBoolean);
  StoreTextColors(values, SectionKey::FontColor, r.FontColor);
  StoreTextColors(values, SectionKey::HotFontColor, r.HotFontColor);
  Store(values.Integer(SectionKey::Transparency), r.Transparency);
  Store(values.Integer(SectionKey::GradientPercent), r.GradientPercent);
  Store(values.Integer(SectionKey::ImagePercent), r.ImagePercent);
  Store(values.Text(SectionKey::GradientData), r.GradientData);
  r.GradientArray = GradientOf(r.GradientData);
  Store(values.Boolean(SectionKey::ShowFocus), r.ShowFocus);
  Store(values.Boolean(SectionKey::FadingEnabled), r.FadingEnabled);
  Store(values.Integer(SectionKey::FadingIntervalIn), r.FadingIntervalIn);
  Store(values.Integer(SectionKey::FadingIntervalOut), r.FadingIntervalOut);
  Store(values.Integer(SectionKey::FadingIterations), r.FadingIterations);
  Store(values.Integer(SectionKey::HotColor), r.HotColor);
  Store(values.Integer(SectionKey::HotTransparency), r.HotTransparency);
  StoreBevel(values.Integer(SectionKey::HotBevel), r.HotBevel);
  Store(values.Integer(SectionKey::HotGradientPercent), r.HotGradientPercent);
  Store(values.Text(SectionKey::HotGradientData), r.HotGradientData);
  r.HotGradientArray = GradientOf(r.HotGradientData);
  Store(values.Integer(SectionKey::HotImagePercent), r.HotImagePercent);
  Store(values.Integer(SectionKey::BorderColor1), r.BorderColor1);
  Store(values.Integer(SectionKey::BorderColor2), r.BorderColor2);
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
