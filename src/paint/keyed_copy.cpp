#include "paint/keyed_copy.h"

#include <algorithm>
#include <cstring>

#include "paint/copy_area.h"
#include "paint/fast_access.h"

namespace sundrel {

namespace {

// The parent's pixels, when a key pixel may take them.
struct ParentPixels {
  const uint8_t* Row0 = nullptr;
  ptrdiff_t RowDelta = 0;
  int Width = 0;
  int Height = 0;
  int Step = 0;
};

ParentPixels UsableParent(bool useParent, const TacParentImage& parent) {
  if (!useParent || !parent.Ready) return {};
  TacFast24 fast24;
  if (fast24.Attach(parent.Image)) return {fast24.Row0, fast24.RowDelta, fast24.Width, fast24.Height, 3};
  TacFast32 fast32;
  if (fast32.Attach(parent.Image)) return {fast32.Row0, fast32.RowDelta, fast32.Width, fast32.Height, 4};
  return {};
}

void CopyArea(const TacPixels& destination, const TacPixels& source, const TacCopyArea& area, TColor key,
              const ParentPixels& parent, int parentX, int parentY) {
  const uint8_t keyB = static_cast<uint8_t>(BlueOf(key)), keyG = static_cast<uint8_t>(GreenOf(key)),
                keyR = static_cast<uint8_t>(RedOf(key));
  for (int j = 0; j < area.Height; ++j) {
    const uint8_t* s = source.Row(area.SrcY + j) + 3 * area.SrcX;
    uint8_t* d = destination.Row(area.DstY + j) + 3 * area.DstX;
    const int py = parentY + area.DstY + j;
    const uint8_t* parentRow =
        parent.Row0 != nullptr && py >= 0 && py < parent.Height ? parent.Row0 + py * parent.RowDelta : nullptr;
    for (int i = 0; i < area.Width; ++i, s += 3, d += 3) {
      if (s[0] != keyB || s[1] != keyG || s[2] != keyR) {
        d[0] = s[0], d[1] = s[1], d[2] = s[2];
      } else if (parentRow != nullptr) {
        const int px = parentX + area.DstX + i;
        if (px >= 0 && px < parent.Width) std::memcpy(d, parentRow + parent.Step * px, 3);
      }
    }
  }
}

}  // namespace

void CopyKeyed(const TacPixels& destination, const TacPixels& source, int x, int y, TColor key) {
  CopyRectKeyed(destination, source, x, y, key, {0, 0, source.Width - 1, source.Height - 1});
}

void CopyRectKeyed(const TacPixels& destination, const TacPixels& source, int x, int y, TColor key,
                   const TRect& inclusiveSourceRect) {
  CopyRectKeyedOverParent(destination, source, x, y, false, {}, key, inclusiveSourceRect);
}

void CopyRectKeyedOverParent(const TacPixels& destination, const TacPixels& source, int x, int y, bool useParent,
                             const TacParentImage& parent, TColor key, const TRect& inclusiveSourceRect) {
  if (!destination.Is24Bit() || !source.Is24Bit()) return;
  // The rectangle is cut to the source first, and what remains is placed with its corner at
  // (x, y): a left or top edge before the source does not move the picture.
  TRect rect = FromInclusive(inclusiveSourceRect);
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  const TacCopyArea area = ClipCopyArea(rect, source.Width, source.Height, x, y, destination.Width, destination.Height);
  if (area.IsEmpty()) return;
  CopyArea(destination, source, area, key, UsableParent(useParent, parent), parent.X, parent.Y);
}

}  // namespace sundrel
