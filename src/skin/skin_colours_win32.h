// Hue and saturation settings applied to every colour of a freshly built skin, and the skin's
// gradient lists parsed for painting (and recoloured with it).
//
// This header names the paint library's types without including its headers: the skin model's
// and the paint library's colour headers cannot meet in one file, so the manager's files that
// build the tables hand the lists over through here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sundrel {

using TColor = int32_t;
struct TsGradStep;
using TsGradArray = std::vector<TsGradStep>;

using ColourChange = std::function<TColor(TColor)>;

// First the hue turned by hueOffset degrees, then the saturation changed by saturation percent
// (positive: away from grey, negative: towards it); a setting of 0 leaves its part out. No
// colour (-1) and the key colour clFuchsia stay as they are, so holes and unset colours keep
// their meaning. Nothing when both are 0.
ColourChange SkinColourChange(int hueOffset, int saturation);

// The gradient lists of a skin's sections, parsed, in section order.
class SectionGradients {
 public:
  struct Texts {
    std::string Normal;  // "GRADIENTDATA" as written
    std::string Hot;     // "HOTGRADIENTDATA" as written
  };

  SectionGradients();
  ~SectionGradients();
  SectionGradients(const SectionGradients&) = delete;
  SectionGradients& operator=(const SectionGradients&) = delete;

  // One blank means no gradient. An item that is not an integer raises EConvertError; the
  // lists are then left as they were.
  void Parse(const std::vector<Texts>& texts);
  void Clear();
  // Both colours of every step.
  void Recolour(const ColourChange& change);

  // Empty for an index outside the sections.
  const TsGradArray& Normal(int skinIndex) const;
  const TsGradArray& Hot(int skinIndex) const;

 private:
  std::vector<TsGradArray> normal_;
  std::vector<TsGradArray> hot_;
};

}  // namespace sundrel
