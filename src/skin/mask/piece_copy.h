// The pixel loop under every piece of a skin image: a rectangle of cells copied to a working
// bitmap, plainly or through the cells' mask, with its holes treated as the caller says.
#pragma once

#include <vector>

#include "paint/geometry.h"
#include "paint/pixels.h"
#include "skin/mask/hole_fill.h"

namespace sundrel {

struct TacPieceRule {
  // Rows from a cell pixel down to its mask pixel; negative: no mask, pixels are copied.
  int MaskRows = -1;
  // Added to every mask value (limited to 255): a paler picture.
  int MaskBoost = 0;
  // Whether clFuchsia pixels are holes, which get HoleFill instead of being copied or blended.
  bool Holes = false;
  TacHoleFill HoleFill;
  // Only the holes are drawn; the other pixels leave the destination as it is.
  bool HolesOnly = false;
  // When set, every run of holes of a row is appended as a one-pixel-high rectangle in
  // destination coordinates (as far as the piece reaches into the destination).
  std::vector<TRect>* HoleRuns = nullptr;
};

// Copies the source rectangle (exclusive) of the cells to (x, y) of the destination, both 24-bit.
// The source is cut to the cells (and, with a mask, to the rows whose mask lies inside them)
// without moving what remains, then to the destination, as every copy between bitmaps is.
// Appends every run of holes among the row's count pixels (24-bit) as a one-pixel-high
// rectangle, the row's first pixel placed at (x, y).
void AppendHoleRuns(const uint8_t* row, int count, int x, int y, std::vector<TRect>& runs);

// An exclusive rectangle as an inclusive one.
inline TRect ToInclusive(const TRect& r) {
  return {r.Left, r.Top, r.Right - 1, r.Bottom - 1};
}

// The part of the source that a copy to the target shows: as much as both have of width and height.
TRect SourceOverlap(const TRect& target, const TRect& source);

void CopyPiece(const TacPixels& destination, int x, int y, const TacPixels& cells, const TRect& source,
               const TacPieceRule& rule);

}  // namespace sundrel
