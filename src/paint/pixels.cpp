#include "paint/pixels.h"

#include <algorithm>
#include <limits>
#include <new>
#include <utility>

namespace sundrel {

TacMemBitmap::TacMemBitmap(int width, int height, int bytesPerPixel, bool bottomUp)
    : TacMemBitmap(width, height, bytesPerPixel, bottomUp, LeaveUnfilled{}) {
  std::fill(bits_.begin(), bits_.end(), uint8_t{0});
}

TacMemBitmap TacMemBitmap::ToFill(int width, int height, int bytesPerPixel) {
  return TacMemBitmap(width, height, bytesPerPixel, false, LeaveUnfilled{});
}

TacMemBitmap::TacMemBitmap(int width, int height, int bytesPerPixel, bool bottomUp, LeaveUnfilled) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  const size_t stride = (static_cast<size_t>(width) * bytesPerPixel + 3) & ~size_t{3};
  if (height != 0 && stride > std::numeric_limits<ptrdiff_t>::max() / static_cast<size_t>(height)) {
    throw std::bad_alloc();
  }
  bits_.resize(stride * height);
  pixels_.Width = width;
  pixels_.Height = height;
  pixels_.BytesPerPixel = bytesPerPixel;
  if (bits_.empty()) return;
  pixels_.RowDelta = bottomUp ? -static_cast<ptrdiff_t>(stride) : static_cast<ptrdiff_t>(stride);
  pixels_.Row0 = bottomUp ? bits_.data() + stride * (height - 1) : bits_.data();
  const size_t used = static_cast<size_t>(width) * bytesPerPixel;
  if (used == stride) return;
  for (size_t row = 0; row < static_cast<size_t>(height); ++row) {
    std::fill(bits_.begin() + row * stride + used, bits_.begin() + (row + 1) * stride, uint8_t{0});
  }
}

TacMemBitmap::TacMemBitmap(const TacMemBitmap& other) : bits_(other.bits_), pixels_(other.pixels_) {
  if (!bits_.empty()) pixels_.Row0 = bits_.data() + (other.pixels_.Row0 - other.bits_.data());
}

TacMemBitmap& TacMemBitmap::operator=(const TacMemBitmap& other) {
  if (this != &other) *this = TacMemBitmap(other);
  return *this;
}

TacMemBitmap::TacMemBitmap(TacMemBitmap&& other) noexcept
    : bits_(std::move(other.bits_)), pixels_(std::exchange(other.pixels_, {})) {}

TacMemBitmap& TacMemBitmap::operator=(TacMemBitmap&& other) noexcept {
  if (this != &other) {
    bits_ = std::move(other.bits_);
    pixels_ = std::exchange(other.pixels_, {});
  }
  return *this;
}

TacMemBitmap NewBitmap24(int width, int height) {
  return TacMemBitmap(width, height, 3);
}
TacMemBitmap NewBitmap32(int width, int height) {
  return TacMemBitmap(width, height, 4);
}

}  // namespace sundrel
