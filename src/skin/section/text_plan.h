// How skinned text is drawn, as a list of passes: the one-pixel contour copies in the section's
// contour colours, then the text in its colour. The Windows text routines and the gallery draw
// from the same plan, so the colour rules live here alone.
#pragma once

#include <string_view>
#include <vector>

#include "paint/color.h"
#include "paint/geometry.h"
#include "skin/model/skin_records.h"

namespace sundrel {

inline constexpr std::string_view kLinkSection = "WEBBUTTON";

struct TacTextPass {
  TPoint Offset{};  // from the text's place
  TColor Color = clBlack;
  bool operator==(const TacTextPass&) const = default;
};

struct TacTextRequest {
  const TsGeneralData* Section = nullptr;  // none: the text is not skinned
  std::string_view SectionName{};          // the owner's section, which may not be in the skin
  bool Enabled = true;
  bool Hot = false;
  bool CustomFont = false;          // the owner keeps its own font colour
  TColor FontColor = clWindowText;  // the font colour the text would have unskinned
};

struct TacTextPlan {
  // In drawing order; the last pass is the text itself, in the colour the font is left with.
  std::vector<TacTextPass> Passes;
  // Links are underlined while hot.
  bool Underline = false;
};

// Disabled: the font colour unskinned, else the section's text colour mixed 40 percent with its
// colour. Enabled and skinned: unless CustomFont, the left, top, right and bottom contours in the
// state's contour colours (those that are -1 left out), then the text in the state's text colour;
// with CustomFont or unskinned, the text in the font colour. The underline belongs to the
// "WEBBUTTON" section while hot.
TacTextPlan PlanSkinnedText(const TacTextRequest& request);

}  // namespace sundrel
