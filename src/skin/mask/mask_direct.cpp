#include "skin/mask/mask_direct.h"

#include "skin/mask/border_slices.h"
#include "skin/mask/piece_copy.h"
#include "skin/mask/strip_tiling.h"

namespace sundrel {

void CopyMasterPiece(const TacPixels& bitmap, const TRect& target, const TRect& source, const TacMaskSource& cells,
                     bool holes, std::vector<TRect>* regionHoles) {
  if (target.Left < 0 || target.Top < 0 || bitmap.Width < 2 || bitmap.Height < 2) return;
  TacPieceRule rule;
  rule.MaskRows = cells.HasMask() ? cells.MaskRows() : -1;
  rule.Holes = holes;
  rule.HoleRuns = regionHoles;
  CopyPiece(bitmap, target.Left, target.Top, cells.Cells, SourceOverlap(target, source), rule);
}

void PaintMaskDirect(const TacPixels& bitmap, std::vector<TRect>* regionHoles, bool fillCentre, int state,
                     const TsMaskData& mask, const TacMemBitmap* master) {
  if (bitmap.Width < 2 || bitmap.Height < 2) return;
  TacMaskSource cells = MaskSourceOf(mask, master);
  if (!cells.Drawable()) return;
  if (cells.Layout.ImageCount < 1) {
    cells.Layout.ImageCount = 1;
    if (HasOwnPicture(mask)) cells.Layout.R = {0, 0, cells.Cells.Width, cells.Cells.Height};
  }
  const TacBorderSlices s = SliceBorder(cells.Layout, state, {0, 0, bitmap.Width, bitmap.Height});
  auto corner = [&](const TacBorderPiece& piece) {
    CopyMasterPiece(bitmap, piece.Target, piece.Source, cells, true, regionHoles);
  };
  auto strip = [&](const TacBorderPiece& piece) {
    TileStrip(bitmap, piece.Target, cells.Cells, piece.Source, cells.HasMask() ? cells.MaskRows() : -1);
  };
  corner(s.TopLeft);
  corner(s.BottomLeft);
  strip(s.Left);
  strip(s.Top);
  strip(s.Bottom);
  corner(s.BottomRight);
  corner(s.TopRight);
  strip(s.Right);
  if (fillCentre && (mask.StretchMode & kFillCentre) != 0) strip(s.Centre);
}

}  // namespace sundrel
