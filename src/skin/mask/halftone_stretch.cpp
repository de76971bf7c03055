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

// The taps of every visible target index of one direction, kept in one block rather than a list
// per index: a stretch is made for every edge of every control picture, and an allocation per
// target pixel cost more than the arithmetic.
class TacTapTable {
 public:
  size_t Size() const { return first_.size(); }
  // The first source index of target index i, and how many it takes.
  int First(size_t i) const { return first_[i]; }
  size_t Count(size_t i) const { return start_[i + 1] - start_[i]; }
  const uint32_t* Weights(size_t i) const { return weights_.data() + start_[i]; }
  // The source index after the last one that target index i takes.
  int End(size_t i) const { return first_[i] + static_cast<int>(Count(i)); }

  void Begin(int first) { first_.push_back(first); }
  void Add(int64_t weight) { weights_.push_back(static_cast<uint32_t>(weight)); }
  void Finish() { start_.push_back(weights_.size()); }

 private:
  std::vector<int> first_;
  std::vector<size_t> start_{0};
  std::vector<uint32_t> weights_;
};

// The source pixels that target pixel i of d takes from s source pixels, and their weights.
void AddBoxTaps(TacTapTable& table, int64_t i, int64_t s, int64_t d) {
  // In units of 1/d source pixel, target pixel i covers [i*s, (i+1)*s); source pixel j covers
  // [j*d, (j+1)*d). Weights come from the running share, so rounding never loses a part.
  const int64_t start = i * s, end = start + s;
  const int64_t first = start / d;
  table.Begin(static_cast<int>(first));
  int64_t covered = 0, given = 0;
  for (int64_t j = first; j * d < end; ++j) {
    covered += std::min(end, (j + 1) * d) - std::max(start, j * d);
    const int64_t share = covered * kOne / s;
    table.Add(share - given);
    given = share;
  }
}

void AddBilinearTaps(TacTapTable& table, int64_t i, int64_t s, int64_t d) {
  // The target pixel's centre (i + 1/2) * s/d - 1/2 in source pixels, as a fraction over 2d.
  const int64_t position = (2 * i + 1) * s - d;
  const int64_t first = position <= 0 ? 0 : std::min(position / (2 * d), s - 1);
  table.Begin(static_cast<int>(first));
  if (position <= 0 || first == s - 1) {
    table.Add(kOne);
    return;
  }
  const int64_t fraction = position % (2 * d) * kOne / (2 * d);
  table.Add(kOne - fraction);
  table.Add(fraction);
}

void AddTaps(TacTapTable& table, int64_t i, int64_t s, int64_t d) {
  if (s == d) {
    table.Begin(static_cast<int>(i));
    table.Add(kOne);
  } else if (s > d) {
    AddBoxTaps(table, i, s, d);
  } else {
    AddBilinearTaps(table, i, s, d);
  }
  table.Finish();
}

// Target indexes [first, last) that lie inside the destination, with their taps.
TacTapTable VisibleTaps(int64_t targetStart, int64_t targetSize, int64_t visible, int64_t sourceSize, int64_t& first) {
  first = std::max<int64_t>(0, -targetStart);
  const int64_t last = std::min<int64_t>(targetSize, visible - targetStart);
  TacTapTable taps;
  for (int64_t i = first; i < last; ++i) AddTaps(taps, i, sourceSize, targetSize);
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
  const TacTapTable columns = VisibleTaps(target.Left, dw, destination.Width, sw, firstColumn);
  const TacTapTable rows = VisibleTaps(target.Top, dh, destination.Height, sh, firstRow);
  if (columns.Size() == 0 || rows.Size() == 0) return;

  // Horizontal pass over the source rows that the visible target rows use, kept with 8 more bits.
  const int rowFrom = rows.First(0);
  const int rowTo = rows.End(rows.Size() - 1);
  const size_t stride = 3 * columns.Size();
  std::vector<uint16_t> across(stride * static_cast<size_t>(rowTo - rowFrom));
  for (int r = rowFrom; r < rowTo; ++r) {
    const uint8_t* s = source.Row(from.Top + r) + 3 * from.Left;
    uint16_t* out = across.data() + stride * static_cast<size_t>(r - rowFrom);
    for (size_t column = 0; column < columns.Size(); ++column) {
      const uint8_t* in = s + 3 * columns.First(column);
      const uint32_t* weights = columns.Weights(column);
      const size_t count = columns.Count(column);
      for (int c = 0; c < 3; ++c, ++out) {
        uint64_t sum = 0;
        for (size_t k = 0; k < count; ++k) sum += uint64_t{weights[k]} * in[3 * k + c];
        *out = static_cast<uint16_t>((sum + (kOne >> 9)) >> (kWeightBits - 8));
      }
    }
  }

  // Vertical pass into the destination.
  const int64_t left = target.Left + firstColumn;
  for (size_t y = 0; y < rows.Size(); ++y) {
    const uint32_t* weights = rows.Weights(y);
    const size_t count = rows.Count(y);
    const uint16_t* in = across.data() + stride * static_cast<size_t>(rows.First(y) - rowFrom);
    uint8_t* d = destination.Row(static_cast<int>(target.Top + firstRow + static_cast<int64_t>(y))) + 3 * left;
    for (size_t x = 0; x < stride; ++x) {
      uint64_t sum = 0;
      for (size_t k = 0; k < count; ++k) sum += uint64_t{weights[k]} * in[stride * k + x];
      d[x] = static_cast<uint8_t>((sum + (uint64_t{1} << (kWeightBits + 7))) >> (kWeightBits + 8));
    }
  }
}

}  // namespace sundrel
