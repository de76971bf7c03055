#include "paint/text_shadow.h"

#include <algorithm>
#include <cstring>

namespace sundrel {

std::optional<size_t> ShadowBufferSize(int width, int height) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const uint64_t bytes =
      (uint64_t{static_cast<uint32_t>(width)} + 2) * (uint64_t{static_cast<uint32_t>(height)} + 2) * 2;
  if (bytes > kMaxShadowBufferBytes) return std::nullopt;
  return static_cast<size_t>(bytes);
}

bool TacShadowMask::Build(const TacPixels& text, int passes) {
  const std::optional<size_t> size = ShadowBufferSize(text.Width, text.Height);
  if (!size || text.Row0 == nullptr) {
    width2_ = 0;
    return false;
  }
  if (buffer_.size() < *size) buffer_.resize(*size);
  std::memset(buffer_.data(), 0, *size);
  const size_t w2 = static_cast<size_t>(text.Width) + 2;
  const size_t h2 = static_cast<size_t>(text.Height) + 2;
  width2_ = w2;
  uint8_t* mask = buffer_.data();
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < text.Height; ++y) {
      const uint8_t* pixel = text.Row(y);
      uint8_t* out = mask + (y + 1) * w2 + 1;
      for (int x = 0; x < text.Width; ++x, pixel += text.BytesPerPixel) {
        if (pixel[0] != 0) out[x] = 255;
      }
    }
    for (size_t y = 1; y + 1 < h2; ++y) {
      uint8_t* row = mask + y * w2;
      for (size_t x = 1; x + 1 < w2; ++x) {
        row[x] = static_cast<uint8_t>((row[x - w2] + row[x + w2] + row[x - 1] + row[x + 1]) >> 2);
      }
    }
  }
  return true;
}

void ShadeWithMask(const TacPixels& picture, const TacShadowMask& mask, TColor shadow) {
  const int channels[3] = {BlueOf(shadow), GreenOf(shadow), RedOf(shadow)};
  for (int y = 0; y < picture.Height; ++y) {
    uint8_t* pixel = picture.Row(y);
    for (int x = 0; x < picture.Width; ++x, pixel += picture.BytesPerPixel) {
      const int k = mask.At(x, y);
      for (int c = 0; c < 3; ++c) pixel[c] = static_cast<uint8_t>((pixel[c] * (255 - k) + channels[c] * k) >> 8);
    }
  }
}

}  // namespace sundrel
