// A control's picture composed from its skin data against its parent: the whole picture
// (background, border, corner ornaments) and the repair of its corners once it is finished. The
// painting colours (BackFillColor, KeyFillColor) are decided here from the parent's picture and
// colour; the slots have their previous values again afterwards, also when an exception passes.
#pragma once

#include "controls/s_common_data.h"
#include "framework/bitmap.h"
#include "paint/geometry.h"
#include "paint/shared_slots.h"
#include "skin/mask/corner_repair.h"

namespace sundrel {

// Paints the control's picture into R of the bitmap; offset is where R lies in the parent's
// picture. The colours: without a ready parent picture, the parent's own colour fills what is
// transparent (background and the holes of masked images); with one that the control does not
// need (an opaque section), BackFillColor is the parent's answer to SMC_GET_COLOR. With
// CustomColor the owner's colour replaces the section's (a provider's form's colour when the
// owner is a form's skin provider). Nothing is painted without a manager, a bitmap, a valid skin
// index, or an R inside the bitmap.
void PaintControlSkin(TsCommonData& data, const TacParentImage& parent, bool fillCentre, bool useParent,
                      TBitmap& bitmap, TPoint offset, const TRect& r, int state);

// Puts what lies behind the control into the holes of its border image's corners in the cache
// (the state's cell; corners is a set of kCorner* flags). What lies behind: the parent's colour
// without a parent picture; the parent's picture at the control's place while the data says its
// picture must be rebuilt, or while someone painting around this set BackFillColor; otherwise
// the parent's answer to SMC_GET_COLOR. Nothing happens without a manager, a valid border image,
// a cache, or an owner control of at least 2 x 2 pixels; a control without a parent keeps its
// holes.
void RepairCorners(TsCommonData& data, int state, int corners = kAllCorners);

}  // namespace sundrel
