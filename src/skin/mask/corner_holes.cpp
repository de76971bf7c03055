#include "skin/mask/corner_holes.h"

#include <algorithm>

#include "skin/mask/mask_source.h"
#include "skin/mask/piece_copy.h"
#include "skin/model/mask_geometry.h"

namespace sundrel {

void CollectCornerHoles(std::vector<TRect>& holes, int targetWidth, const TsMaskData& mask, const TacMemBitmap* master,
                        bool bottom, int targetY) {
  const TacMaskSource cells = MaskSourceOf(mask, master);
  if (!cells.Drawable()) return;
  const TRect cell = StateCellRect(cells.Layout, 0);
  const int32_t rows = std::clamp(bottom ? mask.WB : mask.WT, 0, std::max(cell.Height(), 0));
  const int32_t left = std::clamp(mask.WL, 0, std::max(cell.Width(), 0));
  const int32_t right = std::clamp(mask.WR, 0, std::max(cell.Width(), 0));
  const int32_t firstRow = bottom ? cell.Bottom - rows : cell.Top;
  // Only what lies in the bitmap is read.
  const TRect readable =
      ClipToSize({cell.Left, firstRow, cell.Right, firstRow + rows}, cells.Cells.Width, cells.Cells.Height);
  auto scan = [&](int32_t from, int32_t to, int32_t shift) {
    from = std::max(from, readable.Left), to = std::min(to, readable.Right);
    if (from >= to) return;
    for (int32_t y = readable.Top; y < readable.Bottom; ++y) {
      AppendHoleRuns(cells.Cells.Row(y) + 3 * from, to - from, from - cell.Left + shift, targetY + y - firstRow, holes);
    }
  };
  scan(cell.Left, cell.Left + left, 0);
  scan(cell.Right - right, cell.Right, targetWidth - cell.Width());
}

}  // namespace sundrel
