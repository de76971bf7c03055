#include "skin/section/text_plan.h"

#include <array>

namespace sundrel {

namespace {

// Where the copies of the text go for contour colours 1 to 4.
constexpr std::array<TPoint, 4> kContourOffsets = {{{-1, 0}, {0, -1}, {1, 0}, {0, 1}}};

constexpr double kDisabledShare = 0.4;

}  // namespace

TacTextPlan PlanSkinnedText(const TacTextRequest& request) {
  TacTextPlan plan;
  plan.Underline = request.Hot && request.SectionName == kLinkSection;
  const TsGeneralData* section = request.Section;
  if (section == nullptr || (request.Enabled && request.CustomFont)) {
    plan.Passes.push_back({{}, request.FontColor});
  } else if (!request.Enabled) {
    plan.Passes.push_back({{}, MixColors(section->FontColor[0], section->Color, kDisabledShare)});
  } else {
    const auto& colours = request.Hot ? section->HotFontColor : section->FontColor;
    for (size_t i = 0; i < kContourOffsets.size(); ++i) {
      if (colours[i + 1] != -1) plan.Passes.push_back({kContourOffsets[i], colours[i + 1]});
    }
    plan.Passes.push_back({{}, colours[0]});
  }
  return plan;
}

}  // namespace sundrel
