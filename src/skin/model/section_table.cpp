#include "skin/model/section_table.h"

#include "base/int_parse.h"
#include "skin/options/inherited_values.h"

namespace sundrel {

namespace {

// A section of the skin, which takes what it does not give from its "PARENTCLASS" chain.
class SkinSectionValues final : public SectionValues {
 public:
  SkinSectionValues(const OptionsText& options, const InheritedValues& inherited, int section)
      : options_(options), inherited_(inherited), section_(section) {}

  std::optional<int32_t> Integer(std::string_view key) const override { return inherited_.Integer(section_, key); }
  std::optional<int32_t> OwnInteger(std::string_view key) const override {
    const auto value = options_.Value(section_, key);
    return value ? TryStrToInt(*value) : std::nullopt;
  }
  std::optional<std::string_view> Text(std::string_view key) const override { return inherited_.Text(section_, key); }
  std::optional<bool> Boolean(std::string_view key) const override { return inherited_.Boolean(section_, key); }

 private:
  const OptionsText& options_;
  const InheritedValues& inherited_;
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

// Bevels outside the known five are drawn as none.
void StoreBevel(std::optional<int32_t> value, TsControlBevel& field) {
  if (value) field = *value >= cbNone && *value <= cbLoweredHard ? static_cast<TsControlBevel>(*value) : cbNone;
}

}  // namespace

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
  Store(values.Integer("COLOR"), r.Color);
  r.Color = ResolveColor(r.Color, system);
  StoreBevel(values.Integer("BEVEL"), r.Bevel);
  Store(values.Integer("SHADOWBLUR"), r.ShadowBlur);
  Store(values.Integer("SHADOWOFFSET"), r.ShadowOffset);
  Store(values.OwnInteger("SHADOWCOLOR"), r.ShadowColor);
  Store(values.Integer("SHADOWTRANSPARENCY"), r.ShadowTransparency);
  Store(values.Boolean("SHADOWENABLED"), r.ShadowEnabled);
  Store(values.Boolean("RESERVEDBOOLEAN"), r.ReservedBoolean);
  Store(values.Integer("FONTCOLOR"), r.FontColor[0]);
  Store(values.Integer("TCLEFT"), r.FontColor[1]);
  Store(values.Integer("TCTOP"), r.FontColor[2]);
  Store(values.Integer("TCRIGHT"), r.FontColor[3]);
  Store(values.Integer("TCBOTTOM"), r.FontColor[4]);
  Store(values.Integer("HOTFONTCOLOR"), r.HotFontColor[0]);
  Store(values.Integer("HOTTCLEFT"), r.HotFontColor[1]);
  Store(values.Integer("HOTTCTOP"), r.HotFontColor[2]);
  Store(values.Integer("HOTTCRIGHT"), r.HotFontColor[3]);
  Store(values.Integer("HOTTCBOTTOM"), r.HotFontColor[4]);
  Store(values.Integer("TRANSPARENCY"), r.Transparency);
  Store(values.Integer("GRADIENTPERCENT"), r.GradientPercent);
  Store(values.Integer("IMAGEPERCENT"), r.ImagePercent);
  Store(values.Text("GRADIENTDATA"), r.GradientData);
  r.GradientArray = GradientOf(r.GradientData);
  Store(values.Boolean("SHOWFOCUS"), r.ShowFocus);
  Store(values.Boolean("FADINGENABLED"), r.FadingEnabled);
  Store(values.Integer("FADINGINTERVALIN"), r.FadingIntervalIn);
  Store(values.Integer("FADINGINTERVALOUT"), r.FadingIntervalOut);
  Store(values.Integer("FADINGITERATIONS"), r.FadingIterations);
  Store(values.Integer("HOTCOLOR"), r.HotColor);
  Store(values.Integer("HOTTRANSPARENCY"), r.HotTransparency);
  StoreBevel(values.Integer("HOTBEVEL"), r.HotBevel);
  Store(values.Integer("HOTGRADIENTPERCENT"), r.HotGradientPercent);
  Store(values.Text("HOTGRADIENTDATA"), r.HotGradientData);
  r.HotGradientArray = GradientOf(r.HotGradientData);
  Store(values.Integer("HOTIMAGEPERCENT"), r.HotImagePercent);
  Store(values.Integer("BORDERCOLOR1"), r.BorderColor1);
  Store(values.Integer("BORDERCOLOR2"), r.BorderColor2);
}

void AppendSectionRecords(const OptionsText& options, const SystemColors& system,
                          std::vector<TsGeneralData>& sections) {
  const InheritedValues inherited(options);
  for (const std::string_view name : options.SectionNames()) {
    const int section = options.FindSection(name);
    TsGeneralData record = DefaultSectionRecord();
    record.SectionName = name;
    record.ParentClass = options.Value(section, "PARENTCLASS").value_or("");
    ReadSectionKeys(SkinSectionValues(options, inherited, section), system, record);
    sections.push_back(std::move(record));
  }
}

}  // namespace sundrel
