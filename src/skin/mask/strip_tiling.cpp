#include "skin/mask/strip_tiling.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "paint/blend.h"
#include "skin/mask/piece_copy.h"
#include "skin/mask/tiling.h"

namespace sundrel {

namespace {

bool InsideCells(const TRect& piece, const TacPixels& cells, int maskRows) {
  const int64_t usableRows = maskRows >= 0 ? int64_t{cells.Height} - maskRows : cells.Height;
  return piece.Left >= 0 && piece.Top >= 0 && piece.Right <= cells.Width && piece.Bottom <= usableRows;
}

// Row y of the piece repeated across count pixels that start offset pixels into the tiling.
void LayOutRow(const TacPixels& cells, int y, const TRect& piece, int64_t offset, int count, uint8_t* out) {
  const int width = piece.Width();
  const uint8_t* row = cells.Row(y) + 3 * piece.Left;
  const int column = static_cast<int>(offset % width);
  // One period, then copies of what is laid out already, doubling each time: whole periods
  // repeat, so the copies line up.
  const int head = std::min(width - column, count);
  std::memcpy(out, row + 3 * column, 3 * static_cast<size_t>(head));
  std::memcpy(out + 3 * head, row, 3 * static_cast<size_t>(std::min(column, count - head)));
  for (int done = std::min(width, count); done < count; done *= 2) {
    std::memcpy(out + 3 * done, out, 3 * static_cast<size_t>(std::min(done, count - done)));
  }
}

}  // namespace

void TileStrip(const TacPixels& bitmap, const TRect& target, const TacPixels& cells, const TRect& piece, int maskRows) {
  if (!bitmap.Is24Bit() || !cells.Is24Bit() || piece.IsEmpty() || target.IsEmpty()) return;
  if (!InsideCells(piece, cells, maskRows)) {
    TacPieceRule rule;
    rule.MaskRows = maskRows;
    TileArea(target, piece, bitmap.Width, bitmap.Height,
             [&](const TRect& to, const TRect& from) { CopyPiece(bitmap, to.Left, to.Top, cells, from, rule); });
    return;
  }
  const TRect visible = ClipToSize(target, bitmap.Width, bitmap.Height);
  if (visible.IsEmpty()) return;
  const int count = visible.Width(), height = piece.Height();
  const int64_t offset = int64_t{visible.Left} - target.Left;
  std::vector<uint8_t> skin(3 * static_cast<size_t>(count)), mask(maskRows >= 0 ? skin.size() : 0);
  for (int r = 0; r < height; ++r) {
    // The first visible target row that shows piece row r.
    const int64_t skipped = int64_t{visible.Top} - target.Top;
    int64_t y = int64_t{target.Top} + skipped / height * height + r;
    if (y < visible.Top) y += height;
    if (y >= visible.Bottom) continue;
    LayOutRow(cells, piece.Top + r, piece, offset, count, skin.data());
    if (maskRows >= 0) LayOutRow(cells, piece.Top + r + maskRows, piece, offset, count, mask.data());
    for (; y < visible.Bottom; y += height) {
      uint8_t* d = bitmap.Row(static_cast<int>(y)) + 3 * visible.Left;
      if (maskRows >= 0) {
        MaskBlendBytes(d, skin.data(), mask.data(), 3 * count);
      } else {
        std::memcpy(d, skin.data(), skin.size());
      }
    }
  }
}

}  // namespace sundrel
