#include "skin/mask/mask_glyph.h"

#include "paint/blend.h"
#include "paint/keyed_copy.h"
#include "skin/mask/mask_source.h"
#include "skin/mask/piece_copy.h"
#include "skin/model/mask_geometry.h"

namespace sundrel {

namespace {

// What a faded glyph with a mask adds to every mask value.
constexpr int kFadedMaskBoost = 100;

}  // namespace

void DrawMaskGlyph(const TacPixels& bitmap, TPoint point, int state, const TsMaskData& mask, const TacMemBitmap* master,
                   int drawMode) {
  const TacMaskSource cells = MaskSourceOf(mask, master);
  const bool ownPicture = HasOwnPicture(mask);
  if (!cells.Drawable() || (!ownPicture && mask.ImageCount == 0)) return;
  const TRect cell = StateCellRect(cells.Layout, state);
  if (cells.HasMask()) {
    TacPieceRule rule;
    rule.MaskRows = cells.MaskRows();
    rule.MaskBoost = drawMode == kGlyphNormal ? 0 : kFadedMaskBoost;
    rule.Holes = true;
    CopyPiece(bitmap, point.X, point.Y, cells.Cells, cell, rule);
  } else if (ownPicture || drawMode == kGlyphNormal) {
    CopyRectKeyed(bitmap, cells.Cells, point.X, point.Y, clFuchsia, ToInclusive(cell));
  } else {
    BlendImageOver(bitmap, point.X, point.Y, clFuchsia, 0.5, ToInclusive(cell), cells.Cells);
  }
}

}  // namespace sundrel
