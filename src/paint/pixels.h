// Bitmaps as the pixel code sees them: a view that knows where row 0 starts and how far it is to
// the next row, and an owning in-memory bitmap laid out like a device-independent bitmap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/default_init_allocator.h"
#include "paint/color.h"

namespace sundrel {

// Does not own the pixels. Pixels are blue, green, red (and an ignored fourth byte in 32-bit
// bitmaps); rows may run bottom-up, so RowDelta may be negative. An empty view has no Row0.
struct TacPixels {
  uint8_t* Row0 = nullptr;
  ptrdiff_t RowDelta = 0;
  int Width = 0;
  int Height = 0;
  int BytesPerPixel = 0;  // 3 or 4

  uint8_t* Row(int y) const { return Row0 + y * RowDelta; }
  bool Is24Bit() const { return Row0 != nullptr && BytesPerPixel == 3; }
  bool Is32Bit() const { return Row0 != nullptr && BytesPerPixel == 4; }
  bool operator==(const TacPixels&) const = default;
};

class TacMemBitmap {
 public:
  // No pixels.
  TacMemBitmap() = default;
  // Rows are padded to 4 bytes as in a device-independent bitmap; bottom-up stores the last row
  // first. Negative sizes count as 0. The pixels start black.
  TacMemBitmap(int width, int height, int bytesPerPixel, bool bottomUp = false);
  // A top-down bitmap for a decoder that writes every pixel itself: the pixels start undefined
  // (only the padding at the rows' ends is cleared), so its memory is written once.
  static TacMemBitmap ToFill(int width, int height, int bytesPerPixel);
  // A copy has pixels of its own, laid out alike.
  TacMemBitmap(const TacMemBitmap& other);
  TacMemBitmap& operator=(const TacMemBitmap& other);
  // The pixels stay where they are, so views of them stay good; the source is left empty.
  TacMemBitmap(TacMemBitmap&& other) noexcept;
  TacMemBitmap& operator=(TacMemBitmap&& other) noexcept;

  TacPixels Pixels() { return pixels_; }
  int Width() const { return pixels_.Width; }
  int Height() const { return pixels_.Height; }
  bool Empty() const { return pixels_.Row0 == nullptr; }

  uint8_t* Row(int y) { return pixels_.Row(y); }
  const uint8_t* Row(int y) const { return pixels_.Row(y); }
  // The colour at (x, y), without a bounds check; the fourth byte of a 32-bit pixel is not part
  // of it, and SetPixel leaves it alone.
  TColor Pixel(int x, int y) const {
    const uint8_t* p = Row(y) + pixels_.BytesPerPixel * x;
    return p[2] | (p[1] << 8) | (p[0] << 16);
  }
  void SetPixel(int x, int y, TColor color) {
    uint8_t* p = Row(y) + pixels_.BytesPerPixel * x;
    p[0] = static_cast<uint8_t>(BlueOf(color));
    p[1] = static_cast<uint8_t>(GreenOf(color));
    p[2] = static_cast<uint8_t>(RedOf(color));
  }

 private:
  struct LeaveUnfilled {};
  TacMemBitmap(int width, int height, int bytesPerPixel, bool bottomUp, LeaveUnfilled);

  std::vector<uint8_t, DefaultInitAllocator<uint8_t>> bits_;
  TacPixels pixels_;
};

// A view of a bitmap that is only read from (skin pictures shared between records): the view type
// has no read-only form.
inline TacPixels ReadOnlyView(const TacMemBitmap& bitmap) {
  return const_cast<TacMemBitmap&>(bitmap).Pixels();
}

TacMemBitmap NewBitmap24(int width, int height);
TacMemBitmap NewBitmap32(int width, int height);

}  // namespace sundrel
