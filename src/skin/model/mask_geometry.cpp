#include "skin/model/mask_geometry.h"

#include <algorithm>

namespace sundrel {

namespace {

// Wide enough that no value read from a skin overflows.
int64_t AtLeastOne(int64_t count) {
  return std::max<int64_t>(count, 1);
}
int64_t CellCount(const TsMaskData& mask) {
  return AtLeastOne(mask.ImageCount);
}
int64_t Layers(const TsMaskData& mask) {
  return AtLeastOne(int64_t{mask.MaskType} + 1);
}
// A rectangle read from a skin may span more than an int32_t holds.
int64_t WidthOf(const TRect& r) {
  return int64_t{r.Right} - r.Left;
}
int64_t HeightOf(const TRect& r) {
  return int64_t{r.Bottom} - r.Top;
}

int32_t CellWidth(const TsMaskData& mask) {
  return static_cast<int32_t>(WidthOf(mask.R) / CellCount(mask));
}
int32_t CellHeight(const TsMaskData& mask) {
  return static_cast<int32_t>(HeightOf(mask.R) / Layers(mask));
}
int32_t DefaultStripWidth(const TsMaskData& mask) {
  return static_cast<int32_t>(WidthOf(mask.R) / (CellCount(mask) * 3));
}
int32_t DefaultStripHeight(const TsMaskData& mask) {
  return static_cast<int32_t>(HeightOf(mask.R) / (Layers(mask) * 3));
}

int32_t StripWidth(int32_t given, const TsMaskData& mask, int32_t fallback) {
  return given > 0 ? given : mask.BorderWidth > 0 ? mask.BorderWidth : fallback;
}

}  // namespace

int CellOfState(const TsMaskData& mask, int state) {
  return static_cast<int>(std::clamp<int64_t>(state, 0, CellCount(mask) - 1));
}

TRect StateCellRect(const TsMaskData& mask, int state) {
  const int32_t width = CellWidth(mask);
  const int32_t left = static_cast<int32_t>(mask.R.Left + int64_t{width} * CellOfState(mask, state));
  return {left, mask.R.Top, static_cast<int32_t>(int64_t{left} + width),
          static_cast<int32_t>(int64_t{mask.R.Top} + CellHeight(mask))};
}

TRect StateMaskRect(const TsMaskData& mask, int state) {
  TRect cell = StateCellRect(mask, state);
  const int32_t height = CellHeight(mask);
  cell.Top = static_cast<int32_t>(int64_t{cell.Top} + height);
  cell.Bottom = static_cast<int32_t>(int64_t{cell.Bottom} + height);
  return cell;
}

TSize CellSize(const TsMaskData& mask) {
  if (mask.Image) return {mask.Image->Width() / 3, mask.Image->Height() / 2};
  return {CellWidth(mask), CellHeight(mask)};
}

int32_t StripWidthLeft(const TsMaskData& mask) {
  return StripWidth(mask.WL, mask, DefaultStripWidth(mask));
}
int32_t StripWidthRight(const TsMaskData& mask) {
  return StripWidth(mask.WR, mask, DefaultStripWidth(mask));
}
int32_t StripWidthTop(const TsMaskData& mask) {
  return StripWidth(mask.WT, mask, DefaultStripHeight(mask));
}
int32_t StripWidthBottom(const TsMaskData& mask) {
  return StripWidth(mask.WB, mask, DefaultStripHeight(mask));
}

void SetDefaultStripWidths(TsMaskData& mask) {
  mask.WL = mask.WR = DefaultStripWidth(mask);
  mask.WT = mask.WB = DefaultStripHeight(mask);
}

void CompleteStripWidths(TsMaskData& mask) {
  if (int64_t{mask.WL} + mask.WT + mask.WR + mask.WB != 0) return;
  if (mask.BorderWidth != 0) {
    mask.WL = mask.WT = mask.WR = mask.WB = mask.BorderWidth;
  } else {
    SetDefaultStripWidths(mask);
  }
}

}  // namespace sundrel
