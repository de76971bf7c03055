// Bitmaps as the pixel code sees them: a view that knows where row 0 starts and how far it is to
// the next row, and an owning in-memory bitmap laid out like a device-independent bitmap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

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
  // Rows are padded to 4 bytes as in a device-independent bitmap; bottom-up stores the last row
  // first. Negative sizes count as 0. The pixels start black.
  TacMemBitmap(int width, int height, int bytesPerPixel, bool bottomUp = false);
  TacMemBitmap(TacMemBitmap&&) = default;  // the pixels stay where they are
  TacMemBitmap& operator=(TacMemBitmap&&) = default;
  TacMemBitmap(const TacMemBitmap&) = delete;
  TacMemBitmap& operator=(const TacMemBitmap&) = delete;

  TacPixels Pixels() { return pixels_; }
  int Width() const { return pixels_.Width; }
  int Height() const { return pixels_.Height; }

 private:
  std::vector<uint8_t> bits_;
  TacPixels pixels_;
};

TacMemBitmap NewBitmap24(int width, int height);
TacMemBitmap NewBitmap32(int width, int height);

}  // namespace sundrel
