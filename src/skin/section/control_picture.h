// The whole picture of a skinned control, from what its skin data resolved: background, border
// and corner ornaments. The control's own code first decides the painting colours (from its
// parent), then calls this.
#pragma once

#include "paint/color.h"
#include "skin/model/skin_model.h"
#include "skin/section/section_paint.h"

namespace sundrel {

// The indexes a control's skin data keeps for its section.
struct TacControlSkin {
  TacSectionRef Section{};
  int BorderIndex = -1;
  // The control's own colour instead of the section's; clFuchsia when the section's is used.
  TColor CustomColor = clFuchsia;
};

// What BackFillColor and KeyFillColor are while the background and the border are painted: the
// parent's colour where no parent picture is ready (clFuchsia: unset).
struct TacPaintColours {
  TColor BackFill = clFuchsia;
  TColor KeyFill = clFuchsia;
};

// Paints the control's picture into target.R:
// 1. with the colours set, the section's background (PaintSectionBackground, with the custom
//    colour), then the border image when BorderIndex is valid (not in state 0 when the border
//    shows only while hot), its corner holes showing the parent where useParent asks for it;
// 2. the colours are put back as they were, on every way out;
// 3. the section's corner ornaments "IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT"
//    (inherited too) in the state's cell at R's corners.
// Nothing is painted for an invalid skin index, a bitmap that is not 24-bit, or an R that is
// empty or not wholly inside the bitmap.
void PaintControlPicture(const SkinModel& skin, const TacControlSkin& control, const TacPaintColours& colours,
                         const TacPaintTarget& target, bool fillCentre, bool useParent);

}  // namespace sundrel
