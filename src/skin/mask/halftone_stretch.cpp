#include "skin/mask/halftone_stretch.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace sundrel {

namespace {

// Weights are fractions of 1 << 16 that add up to exactly 1 << 16 for every target pixel.
constexpr int kWeightBits = 16;
constexpr int64_t kOne = int64_t{1} << kWeightBits;
constexpr int64_t kLargest = int64_t{1} << 30;

struct TacTaps {
  int First = 0;  // first source index
  std::vector<uint32_t> Weights;
};

// The source pixels that target pixel i of d takes from s source pixels, and their weights.
TacTaps BoxTaps(int64_t i, int64_t s, int64_t d) {
  // In units of 1/d source pixel, target pixel i covers [i*s, (i+1)*s); source pixel j covers
  // [j*d, (j+1)*d). Weights come from the running share, so rounding never loses a part.
  const int64_t start = i * s, end = start + s;
  TacTaps taps{static_cast<int>(start / d), {}};
  int64_t covered = 0, given = 0;
  for (int64_t j = taps.First; j * d < end; ++j) {
    covered += std::min(end, (j + 1) * d) - std::max(start, j * d);
    const int64_t share = covered * kOne / s;
    taps.Weights.push_back(static_cast<uint32_t>(share - given));
    given = share;
  }
  return taps;
}

TacTaps BilinearTaps(int64_t i, int64_t s, int64_t d) {
  // The target pixel's centre (i + 1/2) * s/d - 1/2 in source pixels, as a fraction over 2d.
  const int64_t position = (2 * i + 1) * s - d;
  if (position <= 0) return {0, {static_cast<uint32_t>(kOne)}};
  const int64_t first = position / (2 * d);
  if (first >= s - 1) return {static_cast<int>(s - 1), {static_cast<uint32_t>(kOne)}};
  const int64_t fraction = position % (2 * d) * kOne / (2 * d);
  return {static_cast<int>(first), {static_cast<uint32_t>(kOne - fraction), static_cast<uint32_t>(fraction)}};
}

TacTaps TapsOf(int64_t i, int64_t s, int64_t d) {
  if (s == d) return {static_cast<int>(i), {static_cast<uint32_t>(kOne)}};
  return s > d ? BoxTaps(i, s, d) : BilinearTaps(i, s, d);
}

// Target indexes [first, last) that lie inside the destination, with their taps.
std::vector<TacTaps> VisibleTaps(int64_t targetStart, int64_t targetSize, int64_t visible, int64_t sourceSize,
                                 int64_t& first) {
  first = std::max<int64_t>(0, -targetStart);
  const int64_t last = std::min<int64_t>(targetSize, visible - targetStart);
  std::vector<TacTaps> taps;
  for (int64_t i = first; i < last; ++i) taps.push_back(TapsOf(i, sourceSize, targetSize));
  return taps;
}

}  // namespace

void StretchHalftone(const TacPixels& destination, const TRect& target, const TacPixels& source,
                     const TRect& sourceRect) {
  if (!destination.Is24Bit() || !source.Is24Bit()) return;
  const TRect from = ClipToSize(sourceRect, source.Width, source.Height);
  const int64_t sw = from.Width(), sh = from.Height();
  const int64_t dw = int64_t{target.Right} - target.Left, dh = int64_t{target.Bottom} - target.Top;
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0 || std::max({sw, sh, dw, dh}) >= kLargest) return;

  int64_t firstColumn = 0, firstRow = 0;
  const std::vector<TacTaps> columns = VisibleTaps(target.Left, dw, destination.Width, sw, firstColumn);
  const std::vector<TacTaps> rows = VisibleTaps(target.Top, dh, destination.Height, sh, firstRow);
  if (columns.empty() || rows.empty()) return;

  // Horizontal pass over the source rows that the visible target rows use, kept with 8 more bits.
  const int rowFrom = rows.front().First;
  const int rowTo = rows.back().First + static_cast<int>(rows.back().Weights.size());
  const size_t stride = 3 * columns.size();
  std::vector<uint16_t> across(stride * static_cast<size_t>(rowTo - rowFrom));
  for (int r = rowFrom; r < rowTo; ++r) {
    const uint8_t* s = source.Row(from.Top + r) + 3 * from.Left;
    uint16_t* out = across.data() + stride * static_cast<size_t>(r - rowFrom);
    for (const TacTaps& taps : columns) {
      for (int c = 0; c < 3; ++c, ++out) {
        uint64_t sum = 0;
        for (size_t k = 0; k < taps.Weights.size(); ++k) sum += uint64_t{taps.Weights[k]} * s[3 * (taps.First + k) + c];
        *out = static_cast<uint16_t>((sum + (kOne >> 9)) >> (kWeightBits - 8));
      }
    }
  }

  // Vertical pass into the destination.
  const int64_t left = target.Left + firstColumn;
  for (size_t y = 0; y < rows.size(); ++y) {
    const TacTaps& taps = rows[y];
    uint8_t* d = destination.Row(static_cast<int>(target.Top + firstRow + static_cast<int64_t>(y))) + 3 * left;
    for (size_t x = 0; x < stride; ++x) {
      uint64_t sum = 0;
      for (size_t k = 0; k < taps.Weights.size(); ++k) {
        sum += uint64_t{taps.Weights[k]} * across[stride * (taps.First - rowFrom + k) + x];
      }
      d[x] = static_cast<uint8_t>((sum + (uint64_t{1} << (kWeightBits + 7))) >> (kWeightBits + 8));
    }
  }
}

}  // namespace sundrel
