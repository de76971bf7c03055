// The gallery of a skin: every section in each of its states, at a button's size and at a
// panel's, with its name and a sample text in its colours, over a checker that shows what the
// section lets through.
#pragma once

#include "gallery_font.h"
#include "paint/pixels.h"
#include "skin/model/skin_model.h"

namespace sundrel {

// Columns: normal, hot, pressed (only for sections whose border has a third cell) and disabled
// text over the normal picture. One row per section, in the skin's order.
TacMemBitmap DrawGallery(const SkinModel& skin, const GalleryFont& font);

}  // namespace sundrel
