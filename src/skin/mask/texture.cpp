#include "skin/mask/texture.h"

#include <algorithm>

#include "skin/mask/halftone_stretch.h"
#include "skin/mask/hole_fill.h"
#include "skin/mask/mask_source.h"
#include "skin/mask/masked_piece.h"
#include "skin/mask/strip_tiling.h"
#include "skin/mask/tiling.h"
#include "skin/model/mask_geometry.h"

namespace sundrel {

namespace {

// Where a texture mode draws in the area and what it leaves.
struct TacTextureLayout {
  TRect Drawn;
  TRect Uncovered;
  bool Stretched = false;
};

TacTextureLayout LayoutOf(int mode, const TRect& a, int32_t tw, int32_t th) {
  const TRect none{a.Left, a.Top, a.Left, a.Top};
  const int32_t belowTop = a.Top + std::min(th, a.Height()), aboveBottom = a.Bottom - std::min(th, a.Height());
  const int32_t rightOfLeft = a.Left + std::min(tw, a.Width()), leftOfRight = a.Right - std::min(tw, a.Width());
  switch (mode) {
    case tmTile:
      return {a, none};
    case tmStretch:
      return {a, none, true};
    case tmTileTop:
    case tmStretchTop:
      return {{a.Left, a.Top, a.Right, belowTop}, {a.Left, belowTop, a.Right, a.Bottom}, mode == tmStretchTop};
    case tmTileLeft:
    case tmStretchLeft:
      return {{a.Left, a.Top, rightOfLeft, a.Bottom}, {rightOfLeft, a.Top, a.Right, a.Bottom}, mode == tmStretchLeft};
    case tmTileBottom:
      return {{a.Left, aboveBottom, a.Right, a.Bottom}, {a.Left, a.Top, a.Right, aboveBottom}};
    case tmWholeRows:
      return {{a.Left, a.Top, a.Right, a.Top + a.Height() / th * th}, none};
    default:
      return {{leftOfRight, a.Top, a.Right, a.Bottom}, {a.Left, a.Top, leftOfRight, a.Bottom}};
  }
}

void TilePlain(const TacPixels& bitmap, const TRect& area, const TacPixels& picture, const TRect& piece) {
  TileStrip(bitmap, area, picture, piece, -1);
}

}  // namespace

void DrawTexture(const TacPixels& bitmap, TRect& area, const TacPixels& picture, int fillMode, const TsMaskData& mask,
                 const TacMemBitmap* master) {
  if (!bitmap.Is24Bit() || area.IsEmpty()) return;
  if (picture.Is24Bit()) {
    TilePlain(bitmap, area, picture, {0, 0, picture.Width, picture.Height});
    area = {area.Left, area.Top, area.Left, area.Top};
    return;
  }
  const TacMaskSource cells = MaskSourceOf(mask, master);
  const TRect cell = StateCellRect(cells.Layout, 0);
  if (!cells.Drawable() || cell.IsEmpty()) return;
  const TacTextureLayout layout = LayoutOf(fillMode, area, cell.Width(), cell.Height());
  if (layout.Stretched) {
    StretchHalftone(bitmap, layout.Drawn, cells.Cells, cell);
  } else {
    TilePlain(bitmap, layout.Drawn, cells.Cells, cell);
  }
  area = layout.Uncovered;
}

void DrawMaskedTexture(const TacPixels& bitmap, const TRect& target, const TacParentImage& parent, int fillMode,
                       const TsMaskData& mask, const TacMemBitmap* master) {
  if (fillMode != tmTile && fillMode != tmWholeRows) return;
  TacMaskSource cells = MaskSourceOf(mask, master);
  cells.Layout.MaskType = 1;  // the cell is the upper half, whatever the record says
  const TRect cell = StateCellRect(cells.Layout, 0);
  if (!cells.Drawable() || !bitmap.Is24Bit() || cell.IsEmpty() || target.IsEmpty()) return;
  const int32_t rowsBottom = target.Top + target.Height() / cell.Height() * cell.Height();
  TileArea({target.Left, target.Top, target.Right, rowsBottom}, cell, bitmap.Width, bitmap.Height,
           [&](const TRect& to, const TRect& from) { CopyMaskedPiece(bitmap, to, from, cells, true, parent); });
  if (fillMode != tmWholeRows) return;
  const TacHoleFill fill = parent.Ready ? TacHoleFill::FromParent(parent) : KeyFill();
  const int32_t columnsRight = target.Left + target.Width() / cell.Width() * cell.Width();
  fill.FillRect(bitmap, {target.Left, rowsBottom, target.Right, target.Bottom});
  fill.FillRect(bitmap, {columnsRight, target.Top, target.Right, target.Bottom});
}

}  // namespace sundrel
