#include "skin/mask/corner_repair.h"

#include <algorithm>

#include "skin/mask/hole_fill.h"
#include "skin/mask/mask_source.h"
#include "skin/mask/piece_copy.h"
#include "skin/model/mask_geometry.h"

namespace sundrel {

namespace {

struct TacCornerPiece {
  int Flag;
  TRect Source;
  TPoint Origin;  // in the cache
};

bool Inside(const TRect& piece, const TRect& cell) {
  return piece.Left >= cell.Left && piece.Top >= cell.Top && piece.Right <= cell.Right && piece.Bottom <= cell.Bottom;
}

}  // namespace

void RepairCorners(const TacPixels& cache, const TsMaskData& mask, const TacMemBitmap* master, int state, int corners,
                   TColor backFill, const TacParentImage& parent) {
  if (!cache.Is24Bit() || cache.Width < 2 || cache.Height < 2) return;
  TacMaskSource cells = MaskSourceOf(mask, master);
  if (!cells.Drawable()) return;
  if (HasOwnPicture(mask) && mask.ImageCount == 0) {
    cells.Layout.ImageCount = 3;
    cells.Layout.MaskType = 1;
    cells.Layout.R = {0, 0, cells.Cells.Width, cells.Cells.Height};
  }
  const TRect cell = StateCellRect(cells.Layout, state);
  const int32_t wl = std::max(mask.WL, 0), wt = std::max(mask.WT, 0);
  const int32_t wr = std::max(mask.WR, 0), wb = std::max(mask.WB, 0);
  const int32_t right = cell.Right - wr, bottom = cell.Bottom - wb;
  const TacCornerPiece pieces[] = {
      {kCornerTopLeft, {cell.Left, cell.Top, cell.Left + wl, cell.Top + wt}, {0, 0}},
      {kCornerBottomLeft, {cell.Left, bottom, cell.Left + wl, cell.Bottom}, {0, cache.Height - wb}},
      {kCornerBottomRight, {right, bottom, cell.Right, cell.Bottom}, {cache.Width - wr, cache.Height - wb}},
      {kCornerTopRight, {right, cell.Top, cell.Right, cell.Top + wt}, {cache.Width - wr, 0}},
  };
  TacPieceRule rule;
  rule.HolesOnly = true;
  rule.HoleFill = backFill != clFuchsia ? TacHoleFill::Colour(backFill) : TacHoleFill::FromParent(parent);
  for (const TacCornerPiece& piece : pieces) {
    if ((corners & piece.Flag) == 0 || !Inside(piece.Source, cell)) continue;
    // A control smaller than its strips puts a corner's origin left of or above the cache:
    // the copy cuts that part away instead of writing before the first pixel.
    CopyPiece(cache, piece.Origin.X, piece.Origin.Y, cells.Cells, piece.Source, rule);
  }
}

}  // namespace sundrel
