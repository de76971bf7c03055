#include "skin/mask/piece_copy.h"

#include <algorithm>
#include <cstring>

#include "paint/blend.h"
#include "paint/copy_area.h"
#include "skin/mask/mask_source.h"

namespace sundrel {

namespace {

void BlendPixel(uint8_t* d, const uint8_t* s, const uint8_t* m, int boost) {
  for (int c = 0; c < 3; ++c) d[c] = MaskBlend(s[c], d[c], static_cast<uint8_t>(std::min(m[c] + boost, 255)));
}

void CopyRow(uint8_t* d, const uint8_t* s, const uint8_t* m, int width, int boost) {
  if (m == nullptr) {
    std::memcpy(d, s, 3 * static_cast<size_t>(width));
  } else if (boost == 0) {
    MaskBlendBytes(d, s, m, 3 * width);
  } else {
    for (int i = 0; i < width; ++i) BlendPixel(d + 3 * i, s + 3 * i, m + 3 * i, boost);
  }
}

// A row with holes: runs of holes get the hole fill pixel by pixel, the runs between them are
// copied or blended whole.
void CopyRowWithHoles(uint8_t* d, const uint8_t* s, const uint8_t* m, int width, int x, int y,
                      const TacPieceRule& rule) {
  if (rule.HoleRuns != nullptr) AppendHoleRuns(s, width, x, y, *rule.HoleRuns);
  for (int i = 0; i < width;) {
    const int start = i;
    if (IsHole(s + 3 * i)) {
      for (; i < width && IsHole(s + 3 * i); ++i) rule.HoleFill.Apply(d + 3 * i, x + i, y);
      continue;
    }
    while (i < width && !IsHole(s + 3 * i)) ++i;
    if (!rule.HolesOnly) {
      CopyRow(d + 3 * start, s + 3 * start, m != nullptr ? m + 3 * start : nullptr, i - start, rule.MaskBoost);
    }
  }
}

}  // namespace

void AppendHoleRuns(const uint8_t* row, int count, int x, int y, std::vector<TRect>& runs) {
  for (int i = 0; i < count;) {
    if (!IsHole(row + 3 * i)) {
      ++i;
      continue;
    }
    const int start = i;
    while (i < count && IsHole(row + 3 * i)) ++i;
    runs.push_back({x + start, y, x + i, y + 1});
  }
}

TRect SourceOverlap(const TRect& target, const TRect& source) {
  const int64_t width = std::min<int64_t>(target.Width(), source.Width());
  const int64_t height = std::min<int64_t>(target.Height(), source.Height());
  return {source.Left, source.Top, static_cast<int32_t>(source.Left + width),
          static_cast<int32_t>(source.Top + height)};
}

void CopyPiece(const TacPixels& destination, int x, int y, const TacPixels& cells, const TRect& source,
               const TacPieceRule& rule) {
  if (!destination.Is24Bit() || !cells.Is24Bit() || source.IsEmpty()) return;
  const bool masked = rule.MaskRows >= 0;
  const int usableRows = masked ? cells.Height - rule.MaskRows : cells.Height;
  const TacCopyArea area = ClipCopyArea(source, cells.Width, usableRows, x, y, destination.Width, destination.Height);
  if (area.IsEmpty()) return;
  for (int j = 0; j < area.Height; ++j) {
    const uint8_t* s = cells.Row(area.SrcY + j) + 3 * area.SrcX;
    const uint8_t* m = masked ? cells.Row(area.SrcY + j + rule.MaskRows) + 3 * area.SrcX : nullptr;
    uint8_t* d = destination.Row(area.DstY + j) + 3 * area.DstX;
    if (rule.Holes || rule.HolesOnly) {
      CopyRowWithHoles(d, s, m, area.Width, area.DstX, area.DstY + j, rule);
    } else {
      CopyRow(d, s, m, area.Width, rule.MaskBoost);
    }
  }
}

}  // namespace sundrel
