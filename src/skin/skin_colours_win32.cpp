#include "skin/skin_colours_win32.h"

#include "paint/color.h"
#include "paint/gradient.h"

namespace sundrel {

namespace {

constexpr TColor kNoColour = -1;

TsGradArray ParseList(const std::string& text) {
  return text == " " ? TsGradArray{} : ParseGradientData(text);
}

const TsGradArray& At(const std::vector<TsGradArray>& lists, int index) {
  static const TsGradArray none;
  return index >= 0 && index < static_cast<int>(lists.size()) ? lists[index] : none;
}

}  // namespace

ColourChange SkinColourChange(int hueOffset, int saturation) {
  if (hueOffset == 0 && saturation == 0) return nullptr;
  // The amount towards grey: the negated setting, as a remainder with the dividend's sign.
  const int towardsGrey = -saturation % 101;
  return [hueOffset, towardsGrey](TColor color) {
    if (color == kNoColour || color == clFuchsia) return color;
    if (hueOffset != 0) color = ShiftHue(hueOffset, color);
    if (towardsGrey != 0) color = ShiftSaturation(color, towardsGrey);
    return color;
  };
}

SectionGradients::SectionGradients() = default;
SectionGradients::~SectionGradients() = default;

void SectionGradients::Parse(const std::vector<Texts>& texts) {
  std::vector<TsGradArray> normal, hot;
  normal.reserve(texts.size());
  hot.reserve(texts.size());
  for (const Texts& text : texts) {
    normal.push_back(ParseList(text.Normal));
    hot.push_back(ParseList(text.Hot));
  }
  normal_ = std::move(normal);
  hot_ = std::move(hot);
}

void SectionGradients::Clear() {
  normal_.clear();
  hot_.clear();
}

void SectionGradients::Recolour(const ColourChange& change) {
  for (auto* lists : {&normal_, &hot_}) {
    for (TsGradArray& steps : *lists) {
      for (TsGradStep& step : steps) {
        step.StartColor = change(step.StartColor);
        step.EndColor = change(step.EndColor);
      }
    }
  }
}

const TsGradArray& SectionGradients::Normal(int skinIndex) const {
  return At(normal_, skinIndex);
}

const TsGradArray& SectionGradients::Hot(int skinIndex) const {
  return At(hot_, skinIndex);
}

}  // namespace sundrel
