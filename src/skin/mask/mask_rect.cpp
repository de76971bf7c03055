#include "skin/mask/mask_rect.h"

#include "paint/keyed_copy.h"
#include "skin/mask/border_slices.h"
#include "skin/mask/halftone_stretch.h"
#include "skin/mask/masked_piece.h"
#include "skin/mask/piece_copy.h"
#include "skin/mask/strip_tiling.h"

namespace sundrel {

namespace {

class TacBorderPainter {
 public:
  TacBorderPainter(const TacPixels& bitmap, const TacMaskSource& cells, const TacParentImage& parent, bool useParent)
      : bitmap_(bitmap), cells_(cells), parent_(parent), useParent_(useParent) {}

  void Corner(const TacBorderPiece& piece) const {
    if (piece.Source.IsEmpty() || piece.Target.IsEmpty()) return;
    if (cells_.HasMask()) {
      CopyMaskedPiece(bitmap_, piece.Target, piece.Source, cells_, true, parent_);
    } else {
      CopyRectKeyedOverParent(bitmap_, cells_.Cells, piece.Target.Left, piece.Target.Top, useParent_, parent_,
                              clFuchsia, ToInclusive(piece.Source));
    }
  }

  // An edge or the centre.
  void Strip(const TacBorderPiece& piece) const {
    if (piece.Source.IsEmpty() || piece.Target.IsEmpty()) return;
    if (!cells_.HasMask() && (cells_.Layout.StretchMode & kStretchEdges) != 0) {
      StretchHalftone(bitmap_, piece.Target, cells_.Cells, piece.Source);
      return;
    }
    TileStrip(bitmap_, piece.Target, cells_.Cells, piece.Source, cells_.HasMask() ? cells_.MaskRows() : -1);
  }

 private:
  const TacPixels& bitmap_;
  const TacMaskSource& cells_;
  const TacParentImage& parent_;
  bool useParent_;
};

}  // namespace

void DrawMaskRect(const TacPixels& bitmap, const TRect& target, bool fillCentre, const TacParentImage& parent,
                  const TsMaskData& mask, const TacMemBitmap* master, int state, bool useParent) {
  if (state == 0 && (mask.StretchMode & kHotOnly) != 0) return;
  if (target.Width() < 2 || target.Height() < 2) return;
  const TacMaskSource cells = MaskSourceOf(mask, master);
  if (!cells.Drawable() || !bitmap.Is24Bit()) return;
  const TacBorderSlices s = SliceBorder(cells.Layout, state, target);
  const TacBorderPainter paint(bitmap, cells, parent, useParent);
  paint.Corner(s.TopLeft);
  paint.Strip(s.Left);
  paint.Strip(s.Top);
  paint.Corner(s.BottomLeft);
  paint.Strip(s.Bottom);
  paint.Corner(s.BottomRight);
  paint.Corner(s.TopRight);
  paint.Strip(s.Right);
  if (fillCentre && (mask.StretchMode & kFillCentre) != 0) paint.Strip(s.Centre);
}

}  // namespace sundrel
