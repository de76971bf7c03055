// The soft shadow behind a label's text: a byte mask of the text spread by repeated averaging,
// then laid over the label's background in the shadow colour.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "paint/color.h"
#include "paint/pixels.h"

namespace sundrel {

// A label never needs more; a size beyond this comes from a broken layout and is refused
// rather than allocated.
inline constexpr uint64_t kMaxShadowBufferBytes = uint64_t{64} << 20;

// Bytes of the blur buffer of a width x height text picture: (width + 2) x (height + 2) x 2,
// worked out in 64 bits. Nothing for a size of no pixels or one beyond kMaxShadowBufferBytes.
std::optional<size_t> ShadowBufferSize(int width, int height);

class TacShadowMask {
 public:
  // Stamps the text (pixels of the picture whose blue byte is not 0) at full strength and
  // averages every inner byte with its four neighbours, `passes` times, in place: left and upper
  // neighbours already hold their new values. The buffer keeps a one-byte margin all round and
  // only grows. Answers false, leaving the mask empty, when the picture's size is refused.
  bool Build(const TacPixels& text, int passes);

  // The strength of the shadow at pixel (x, y) of the text picture.
  uint8_t At(int x, int y) const { return buffer_[static_cast<size_t>(y + 1) * width2_ + x + 1]; }
  size_t Capacity() const { return buffer_.size(); }

 private:
  std::vector<uint8_t> buffer_;
  size_t width2_ = 0;
};

// Lays the shadow colour over the picture, which already shows the background: each channel
// becomes (pixel * (255 - k) + shadow * k) shr 8 with k the mask's strength there.
void ShadeWithMask(const TacPixels& picture, const TacShadowMask& mask, TColor shadow);

}  // namespace sundrel
