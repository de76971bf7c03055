// Skin sections and their text painted on device contexts with a skin manager's skin: the
// portable section painting (skin/section) brought to the canvas.
#pragma once

#include <windows.h>

#include <string_view>

#include "framework/graphics.h"
#include "paint/geometry.h"
#include "paint/shared_slots.h"
#include "skin/section/text_plan.h"

namespace sundrel {

class TsSkinManager;

// The section with its border (PaintSection, without texture indexes) painted into a bitmap of
// R's size and copied to the context at R; offset is where R lies in the parent's picture. A null
// manager means the default one. Nothing is painted without a manager, for an invalid skin index,
// or for an R with a negative left or top or no size. The context is left as it was.
void PaintSectionToDC(const TsSkinManager* manager, int skinIndex, std::string_view sectionName,
                      const TacParentImage& parent, HDC dc, TPoint offset, const TRect& r, int state, bool fillCentre);

// Draws the text in R with the given DrawText flags, in the colours of the section at skinIndex
// (PlanSkinnedText): contours and text colour of the state when enabled, the disabled mix when
// not; with no such section, in the canvas's font colour. The canvas's font colour is left at
// the text's colour.
void DrawSectionText(TCanvas& canvas, std::string_view text, bool enabled, const TsSkinManager* manager, bool hot,
                     int skinIndex, UINT flags, const RECT& r);

// Draws every pass of the plan with the canvas's font on a transparent background, each in its
// colour and moved by its offset, then leaves the canvas's font colour at the last pass's. The
// context is left as it was.
void DrawTextPasses(TCanvas& canvas, std::string_view text, const TacTextPlan& plan, UINT flags, const RECT& r);

}  // namespace sundrel
