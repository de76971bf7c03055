#include "paint/fast_access.h"

#include <algorithm>
#include <cstdint>

namespace sundrel {

namespace {

// (D*a + S*(255 - a)) / 255, rounded. Dividing by 255 (not shifting by 8, which divides by 256)
// is what lets weight 255 keep the destination, weight 0 give the source and equal bytes stay
// equal; otherwise every fade would darken bright pixels by a step. The division is done with
// shifts so that every step stays in 16-bit lanes: no value exceeds 255*255 + 128 + 254.
inline uint8_t MergeByte(uint16_t destination, uint16_t source, uint16_t keep, uint16_t take) {
  const auto sum = static_cast<uint16_t>(destination * keep + source * take + 128);
  return static_cast<uint8_t>(static_cast<uint16_t>(sum + (sum >> 8)) >> 8);
}

void MergeBytes(uint8_t* destination, const uint8_t* source, int count, uint8_t weight) {
  const uint16_t keep = weight;
  const uint16_t take = 255 - weight;
  for (int i = 0; i < count; ++i) destination[i] = MergeByte(destination[i], source[i], keep, take);
}

// The same rule from the last byte to the first, for a source run that overlaps its destination.
void MergeBytesBackwards(uint8_t* destination, const uint8_t* source, int count, uint8_t weight) {
  for (int i = count - 1; i >= 0; --i) destination[i] = MergeByte(destination[i], source[i], weight, 255 - weight);
}

}  // namespace

template <int bytesPerPixel>
bool TacFastAccess<bytesPerPixel>::Attach(const TacPixels& bitmap) {
  *this = TacFastAccess{};
  if (bitmap.Row0 == nullptr || bitmap.BytesPerPixel != bytesPerPixel || bitmap.Width < 2 || bitmap.Height < 2) {
    return false;
  }
  Bitmap = bitmap;
  Width = bitmap.Width;
  Height = bitmap.Height;
  RowDelta = bitmap.RowDelta;
  Row0 = bitmap.Row0;
  return true;
}

template class TacFastAccess<3>;
template class TacFastAccess<4>;

bool TacFastSum24::Attach(const TacPixels& destination, const TacPixels& source) {
  *this = TacFastSum24{};
  TacFast24 dst, src;
  if (!dst.Attach(destination) || !src.Attach(source)) return false;
  Dst = destination;
  Src = source;
  Width = std::min(dst.Width, src.Width);
  Height = std::min(dst.Height, src.Height);
  DstRow0 = dst.Row0;
  SrcRow0 = src.Row0;
  DstDelta = dst.RowDelta;
  SrcDelta = src.RowDelta;
  return true;
}

void TacFastSum24::BlendBytes() const {
  const int count = 3 * DstRect.Width();
  for (int j = DstRect.Height() - 1; j >= 0; --j) {
    uint8_t* d = DstRow0 + (DstRect.Top + j) * DstDelta + 3 * DstRect.Left;
    const uint8_t* s = SrcRow0 + (SrcRect.Top + j) * SrcDelta + 3 * SrcRect.Left;
    const auto dAt = reinterpret_cast<uintptr_t>(d), sAt = reinterpret_cast<uintptr_t>(s);
    if (sAt < dAt + count && dAt < sAt + count) {
      MergeBytesBackwards(d, s, count, Weight);
    } else {
      MergeBytes(d, s, count, Weight);
    }
  }
}

}  // namespace sundrel
