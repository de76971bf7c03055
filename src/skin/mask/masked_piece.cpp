#include "skin/mask/masked_piece.h"

#include "skin/mask/piece_copy.h"

namespace sundrel {

TacHoleFill KeyFill() {
  return TacHoleFill::Colour(Shared().KeyFillColor);
}

void CopyMaskedPiece(const TacPixels& bitmap, const TRect& target, const TRect& source, const TacMaskSource& cells,
                     bool holes, const TacParentImage& parent) {
  TacPieceRule rule;
  rule.MaskRows = cells.MaskRows();
  rule.Holes = holes;
  if (holes && parent.Ready) {
    rule.HoleFill = TacHoleFill::FromParent(parent);
    if (rule.HoleFill.KeepsDestination()) return;
  } else if (holes) {
    rule.HoleFill = KeyFill();
  }
  CopyPiece(bitmap, target.Left, target.Top, cells.Cells, SourceOverlap(target, source), rule);
}

}  // namespace sundrel
