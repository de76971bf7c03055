#include "skin/mask/border_slices.h"

#include <algorithm>
#include <cstdint>

#include "skin/model/mask_geometry.h"

namespace sundrel {

namespace {

int32_t ToInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

TRect RectOf(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  return {ToInt32(left), ToInt32(top), ToInt32(right), ToInt32(bottom)};
}

bool Inside(const TRect& piece, const TRect& cell) {
  return piece.Left >= cell.Left && piece.Top >= cell.Top && piece.Right <= cell.Right && piece.Bottom <= cell.Bottom;
}

// Shrinks the two strips of one direction to fit the target's size.
void FitPair(int64_t size, int64_t& first, int64_t& second) {
  if (size >= first + second) return;
  const int64_t excess = (first + second - size) / 2;
  first = std::max<int64_t>(first - excess, 0);
  second = std::max<int64_t>(second - excess - (size % 2 != 0 ? 1 : 0), 0);
}

// Cuts the piece's target to the whole target, and its source by as much on each side: a strip
// wider than the target (one side's strip fitted alone) must not paint beyond it. A piece whose
// target is not cut keeps its whole source, so a stretched edge shorter than its piece shows
// the whole piece squeezed, not its first pixels.
TacBorderPiece CutToTarget(TacBorderPiece piece, const TRect& target) {
  const TRect& t = piece.Target;
  const TRect cut{std::max(t.Left, target.Left), std::max(t.Top, target.Top), std::min(t.Right, target.Right),
                  std::min(t.Bottom, target.Bottom)};
  if (cut.IsEmpty() || piece.Source.IsEmpty()) return {};
  TRect& s = piece.Source;
  s = RectOf(int64_t{s.Left} + cut.Left - t.Left, int64_t{s.Top} + cut.Top - t.Top,
             int64_t{s.Right} - (int64_t{t.Right} - cut.Right), int64_t{s.Bottom} - (int64_t{t.Bottom} - cut.Bottom));
  if (s.IsEmpty()) return {};
  piece.Target = cut;
  return piece;
}

}  // namespace

TacBorderWidths FitBorderWidths(const TsMaskData& layout, int width, int height) {
  int64_t left = std::max(layout.WL, 0), right = std::max(layout.WR, 0);
  int64_t top = std::max(layout.WT, 0), bottom = std::max(layout.WB, 0);
  FitPair(width, left, right);
  FitPair(height, top, bottom);
  return {ToInt32(left), ToInt32(top), ToInt32(right), ToInt32(bottom)};
}

TacBorderSlices SliceBorder(const TsMaskData& layout, int state, const TRect& target) {
  const TacBorderWidths w = FitBorderWidths(layout, target.Width(), target.Height());
  const TRect cell = StateCellRect(layout, state);
  const int64_t sx = cell.Left, sy = cell.Top;
  const int64_t mw = std::max<int64_t>(int64_t{cell.Width()} - w.Left - w.Right, 0);
  const int64_t mh = std::max<int64_t>(int64_t{cell.Height()} - w.Top - w.Bottom, 0);
  // Columns and rows of the cell: left strip, middle, right strip; top strip, middle, bottom strip.
  const int64_t cx[4] = {sx, sx + w.Left, sx + w.Left + mw, sx + w.Left + mw + w.Right};
  const int64_t cy[3] = {sy, sy + w.Top, sy + w.Top + mh};
  // The bottom strip is the cell's last rows, even where the cell is lower than the strips.
  const int64_t bottomTop = sy + cell.Height() - w.Bottom;
  const int64_t sourceTop[3] = {cy[0], cy[1], bottomTop};
  const int64_t sourceBottom[3] = {cy[1], cy[2], bottomTop + w.Bottom};
  // The same columns and rows in the target.
  const int64_t tx[4] = {target.Left, int64_t{target.Left} + w.Left, int64_t{target.Right} - w.Right, target.Right};
  const int64_t ty[4] = {target.Top, int64_t{target.Top} + w.Top, int64_t{target.Bottom} - w.Bottom, target.Bottom};
  auto piece = [&](int column, int row) {
    TRect source = RectOf(cx[column], sourceTop[row], cx[column + 1], sourceBottom[row]);
    if (!Inside(source, cell)) return TacBorderPiece{};
    return CutToTarget({source, RectOf(tx[column], ty[row], tx[column + 1], ty[row + 1])}, target);
  };
  return {piece(0, 0), piece(1, 0), piece(2, 0), piece(0, 1), piece(1, 1),
          piece(2, 1), piece(0, 2), piece(1, 2), piece(2, 2)};
}

}  // namespace sundrel
