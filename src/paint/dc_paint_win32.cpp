#include "paint/dc_paint_win32.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/handles_win32.h"

namespace sundrel {

namespace {

RECT ToRECT(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

UniqueBrush SolidBrush(TColor color) {
  return UniqueBrush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color))));
}

void Fill(HDC dc, const TRect& r, const UniqueBrush& brush) {
  if (r.IsEmpty()) return;
  const RECT area = ToRECT(r);
  FillRect(dc, &area, brush.get());
}

TRect Intersection(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

// A memory context can give and take pixels only where its bitmap has them; other contexts (a
// window's, the screen's) are clipped by the system itself.
TRect BitmapBounds(HDC dc) {
  constexpr TRect kUnbounded{INT32_MIN / 4, INT32_MIN / 4, INT32_MAX / 4, INT32_MAX / 4};
  if (GetObjectType(dc) != OBJ_MEMDC) return kUnbounded;
  BITMAP bitmap{};
  if (GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap) == 0) return kUnbounded;
  return {0, 0, bitmap.bmWidth, std::abs(bitmap.bmHeight)};
}

}  // namespace

void FillRectSolid(HDC dc, const TRect& rect, TColor color) {
  SavedDC saved(dc);
  Fill(dc, rect, SolidBrush(color));
}

void Bevel3DFrame(HDC dc, const TRect& rect, TColor light, int width, TColor dark) {
  const UniqueBrush lightBrush = SolidBrush(light), darkBrush = SolidBrush(dark);
  TRect r = rect;
  for (int i = 0; i < width && !r.IsEmpty(); ++i) {
    Fill(dc, {r.Left, r.Top, r.Right - 1, r.Top + 1}, lightBrush);
    Fill(dc, {r.Left, r.Top, r.Left + 1, r.Bottom - 1}, lightBrush);
    Fill(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, darkBrush);
    Fill(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, darkBrush);
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
}

void DottedFocusFrame(HDC dc, const TRect& rect) {
  if (rect.IsEmpty()) return;
  std::vector<POINT> dots;
  for (int x = rect.Left; x < rect.Right; x += 3) dots.push_back({x, rect.Top}), dots.push_back({x, rect.Bottom - 1});
  for (int y = rect.Top; y < rect.Bottom; y += 3) dots.push_back({rect.Left, y}), dots.push_back({rect.Right - 1, y});
  // All the white pixels first, so that none of them covers a black one.
  for (const POINT& dot : dots) SetPixelV(dc, dot.x - 1, dot.y - 1, RGB(255, 255, 255));
  for (const POINT& dot : dots) SetPixelV(dc, dot.x, dot.y, RGB(0, 0, 0));
}

void CopyFrameStrips(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                     int border) {
  const TRect strips[4] = {
      {x, y, x + border, y + height},                                    // left, B x H
      {x + border, y, x + border + width, y + border},                   // top, W x B
      {x + width - border, y + border, x + width, y + border + height},  // right, B x H
      {x + border, y + height - border, x + width, y + height}           // bottom, (W - B) x B
  };
  // Where a strip reaches past either bitmap, only what both hold is copied.
  const int toSourceX = sourceX - x, toSourceY = sourceY - y;
  const TRect sourceBitmap = BitmapBounds(source);
  const TRect readable{sourceBitmap.Left - toSourceX, sourceBitmap.Top - toSourceY, sourceBitmap.Right - toSourceX,
                       sourceBitmap.Bottom - toSourceY};
  for (const TRect& strip : strips) {
    const TRect r = Intersection(Intersection(strip, BitmapBounds(destination)), readable);
    if (r.IsEmpty()) continue;
    BitBlt(destination, r.Left, r.Top, r.Width(), r.Height(), source, r.Left + toSourceX, r.Top + toSourceY, SRCCOPY);
  }
}

}  // namespace sundrel
