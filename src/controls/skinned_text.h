// A skinned control's text, in its section's colours.
#pragma once

#include <windows.h>

#include <string_view>

#include "controls/s_common_data.h"
#include "framework/graphics.h"

namespace sundrel {

// Draws the text in R with the owner's font and the DrawText flags: in the section's contour and
// text colours of the state (hot or not) when enabled and skinned, keeping the font's colour with
// CustomFont; in the section's text colour mixed with its colour when disabled; in the font's
// colour when not skinned. A "WEBBUTTON" is underlined while hot. Nothing is drawn outside R,
// and the context is as before afterwards; the canvas keeps the owner's font, in the colour of
// the text, and a clear brush.
void DrawSkinnedText(TCanvas& canvas, std::string_view text, bool enabled, bool hot, const TsCommonData& data,
                     UINT flags, const RECT& r);

}  // namespace sundrel
