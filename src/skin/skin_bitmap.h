// The pictures of a skin once decoded: 24-bit pixels (blue, green, red), rows from the top, each
// row padded to a multiple of 4 bytes. That is the layout of a top-down 24-bit device-independent
// bitmap, so the pixels can be handed to the system unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/errors.h"
#include "paint/color.h"

namespace sundrel {

// Raised for image data that cannot be decoded; the message says what is wrong.
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};

// Limits for images from untrusted files: generous for any skin (the largest real images are
// screen-sized backgrounds), small enough that a forged header cannot demand a giant allocation.
inline constexpr int kMaxImageSide = 32768;
inline constexpr int64_t kMaxImagePixels = int64_t{4096} * 4096;

class SkinBitmap {
 public:
  SkinBitmap() = default;
  // A black picture; raises EInvalidGraphic when the size is not positive or over the limits.
  SkinBitmap(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  size_t Stride() const { return stride_; }
  bool Empty() const { return width_ == 0; }

  uint8_t* Row(int y) { return bits_.data() + static_cast<size_t>(y) * stride_; }
  const uint8_t* Row(int y) const { return bits_.data() + static_cast<size_t>(y) * stride_; }

  // 0x00BBGGRR; no bounds check.
  TColor Pixel(int x, int y) const {
    const uint8_t* p = Row(y) + 3 * static_cast<size_t>(x);
    return p[2] | (p[1] << 8) | (p[0] << 16);
  }
  void SetPixel(int x, int y, TColor color) {
    uint8_t* p = Row(y) + 3 * static_cast<size_t>(x);
    p[0] = static_cast<uint8_t>(color >> 16);
    p[1] = static_cast<uint8_t>(color >> 8);
    p[2] = static_cast<uint8_t>(color);
  }

 private:
  int width_ = 0;
  int height_ = 0;
  size_t stride_ = 0;
  std::vector<uint8_t> bits_;
};

// Raises EInvalidGraphic "<kind> image is not valid (<width> x <height> pixels is too large)"
// (or "... has no pixels") unless a picture of that size may be made.
void CheckImageSize(const char* kind, int64_t width, int64_t height);

// "<kind> image is not valid (<reason>)"
[[noreturn]] void ThrowInvalidImage(const char* kind, const std::string& reason);

}  // namespace sundrel
