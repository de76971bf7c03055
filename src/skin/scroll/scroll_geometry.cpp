#include "skin/scroll/scroll_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace sundrel {

namespace {

int64_t RangeOf(const TacScrollRange& range) {
  return static_cast<int64_t>(range.Max) - range.Min + 1;
}

// The largest position: the last one at which the page still lies inside the range.
int64_t LargestPosition(const TacScrollRange& range) {
  const int64_t page = range.Page > 0 ? range.Page : 1;
  return std::max<int64_t>(range.Min, static_cast<int64_t>(range.Max) - page + 1);
}

}  // namespace

int32_t MulDivRounded(int64_t a, int64_t b, int64_t c) {
  const int64_t product = a * b;
  const bool negative = (product < 0) != (c < 0);
  const int64_t magnitude = (std::abs(product) + std::abs(c) / 2) / std::abs(c);
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

TacThumb ThumbGeometry(const TacScrollRange& range, int32_t length, int32_t arrow, int32_t minThumb) {
  const int64_t r = RangeOf(range);
  const int32_t track = length - 2 * arrow;
  TacThumb thumb;
  if (range.Page == 0) {
    thumb.Size = arrow;
  } else if (r > 0) {
    thumb.Size = std::max(track > 0 ? MulDivRounded(range.Page, track, r) : 0, minThumb);
  }
  const int32_t travel = track - thumb.Size;
  const int64_t positions = r - std::max<int64_t>(range.Page, 1);
  int32_t offset = 0;
  if (r > 0 && travel > 0 && positions > 0) {
    offset = std::clamp(MulDivRounded(static_cast<int64_t>(range.Pos) - range.Min, travel, positions), 0, travel);
  }
  thumb.Start = arrow + offset;
  return thumb;
}

bool ThumbMovable(const TacThumb& thumb, int32_t length, int32_t arrow) {
  return thumb.Size < length - 2 * arrow;
}

int HitTestAlong(const TacScrollRange& range, int32_t length, int32_t arrow, int32_t minThumb, int32_t along) {
  if (along < 0 || along >= length) return spNone;
  const int32_t arrowPart = 2 * arrow < length ? arrow : length / 2;
  if (along < arrowPart) return spFirstArrow;
  if (along >= length - arrowPart) return spSecondArrow;
  const TacThumb thumb = ThumbGeometry(range, length, arrow, minThumb);
  if (!ThumbMovable(thumb, length, arrow)) return spNone;
  if (along >= thumb.Start && along < thumb.Start + thumb.Size) return spThumb;
  if (along >= arrow && along < thumb.Start) return spTrackBefore;
  if (along >= thumb.Start + thumb.Size && along < length - arrow) return spTrackAfter;
  return spNone;
}

int32_t DragPosition(const TacScrollRange& range, int32_t offset, int32_t trackLength, int32_t thumbSize) {
  const int64_t positions = static_cast<int64_t>(range.Max) - range.Min - range.Page + 1;
  const int32_t travel = trackLength - thumbSize;
  if (range.Max - static_cast<int64_t>(range.Min) < 1 || positions <= 0 || travel <= 0) return range.Min;
  const int64_t position = range.Min + static_cast<int64_t>(MulDivRounded(offset, positions, travel));
  return static_cast<int32_t>(std::clamp<int64_t>(position, range.Min, LargestPosition(range)));
}

TacBarsLayout TakeBarsFromClient(const TRect& window, const TRect& client, bool wantsHorz, bool wantsVert,
                                 int32_t horzThickness, int32_t vertThickness, bool barsOnLeft) {
  TacBarsLayout layout;
  layout.Client = client;
  layout.Edges = {client.Left - window.Left, client.Top - window.Top, window.Right - client.Right,
                  window.Bottom - client.Bottom};
  if (wantsHorz && layout.Client.Height() >= horzThickness) {
    layout.Client.Bottom -= horzThickness;
    layout.HorzVisible = true;
  }
  if (wantsVert && layout.Client.Width() >= vertThickness) {
    if (barsOnLeft) {
      layout.Client.Left += vertThickness;
    } else {
      layout.Client.Right -= vertThickness;
    }
    layout.VertVisible = true;
  }
  return layout;
}

TacBarRects BarRects(const TRect& window, const TacFrameEdges& edges, int32_t horzThickness, int32_t vertThickness,
                     bool barsOnLeft) {
  TacBarRects rects;
  TRect& horz = rects.Horz;
  horz = {window.Left + edges.Left, 0, window.Right - edges.Right, window.Bottom - edges.Bottom};
  if (barsOnLeft) {
    horz.Left += vertThickness;
  } else {
    horz.Right -= vertThickness;
  }
  horz.Top = horz.Bottom - horzThickness;

  TRect& vert = rects.Vert;
  vert.Top = window.Top + edges.Top;
  vert.Bottom = window.Bottom - horzThickness - edges.Bottom;
  if (barsOnLeft) {
    vert.Left = window.Left + edges.Left;
    vert.Right = vert.Left + vertThickness;
  } else {
    vert.Right = window.Right - edges.Right;
    vert.Left = vert.Right - vertThickness;
  }
  if (horzThickness > 0 && vertThickness > 0) rects.Corner = {vert.Left, horz.Top, vert.Right, horz.Bottom};
  return rects;
}

bool MeetsParentCorner(const TRect& corner, const TacFrameEdges& edges, const TRect& parentClient, bool barsOnLeft) {
  const bool bottom = corner.Bottom + edges.Bottom == parentClient.Bottom;
  if (barsOnLeft) return bottom && corner.Left - edges.Left == parentClient.Left;
  return bottom && corner.Right + edges.Right == parentClient.Right;
}

}  // namespace sundrel
