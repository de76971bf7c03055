#include "paint/key_region.h"

#include <algorithm>

#include "paint/fast_access.h"

namespace sundrel {

namespace {

// Gathers the runs of each row, from the top, into bands: a row with the very runs of the band
// just above makes that band one row taller, so a shape with straight sides stays a few
// rectangles whatever its height.
class TacBands {
 public:
  void AddRow(int y, const std::vector<TRect>& runs) {
    bool sameAsBand = !runs.empty() && runs.size() == rectangles_.size() - bandStart_ && rectangles_.back().Bottom == y;
    for (size_t i = 0; sameAsBand && i < runs.size(); ++i) {
      const TRect& above = rectangles_[bandStart_ + i];
      sameAsBand = above.Left == runs[i].Left && above.Right == runs[i].Right;
    }
    if (sameAsBand) {
      for (size_t i = bandStart_; i < rectangles_.size(); ++i) rectangles_[i].Bottom = y + 1;
    } else {
      bandStart_ = rectangles_.size();
      rectangles_.insert(rectangles_.end(), runs.begin(), runs.end());
    }
  }
  std::vector<TRect> Take() { return std::move(rectangles_); }

 private:
  std::vector<TRect> rectangles_;
  size_t bandStart_ = 0;  // the rectangles of the band that the previous row belongs to
};

}  // namespace

std::vector<TRect> NonKeyRectangles(const TacPixels& bitmap, TColor key) {
  TacFast24 fast;
  if (!fast.Attach(bitmap)) return {{0, 0, bitmap.Width, bitmap.Height}};
  const uint8_t keyB = static_cast<uint8_t>(BlueOf(key)), keyG = static_cast<uint8_t>(GreenOf(key)),
                keyR = static_cast<uint8_t>(RedOf(key));

  TacBands bands;
  std::vector<TRect> runs;
  for (int y = 0; y < fast.Height; ++y) {
    runs.clear();
    const uint8_t* row = fast.Row(y);
    auto isKey = [&](int x) { return row[3 * x] == keyB && row[3 * x + 1] == keyG && row[3 * x + 2] == keyR; };
    for (int x = 0; x < fast.Width;) {
      if (isKey(x)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < fast.Width && !isKey(x)) ++x;
      runs.push_back({start, y, x, y + 1});
    }
    bands.AddRow(y, runs);
  }
  return bands.Take();
}

std::vector<TRect> RectanglesWithout(int width, int height, const std::vector<TRect>& holes) {
  if (width <= 0 || height <= 0) return {};
  // Every hole as one-pixel-high pieces inside the rectangle, sorted by row, then by left edge.
  std::vector<TRect> pieces;
  for (const TRect& hole : holes) {
    const TRect inside = ClipToSize(hole, width, height);
    for (int y = inside.Top; y < inside.Bottom && inside.Left < inside.Right; ++y) {
      pieces.push_back({inside.Left, y, inside.Right, y + 1});
    }
  }
  std::sort(pieces.begin(), pieces.end(),
            [](const TRect& a, const TRect& b) { return a.Top != b.Top ? a.Top < b.Top : a.Left < b.Left; });

  TacBands bands;
  std::vector<TRect> runs;
  auto piece = pieces.cbegin();
  for (int y = 0; y < height; ++y) {
    runs.clear();
    int x = 0;  // where the row's next run may start
    for (; piece != pieces.cend() && piece->Top == y; ++piece) {
      if (piece->Left > x) runs.push_back({x, y, piece->Left, y + 1});
      x = std::max(x, piece->Right);
    }
    if (x < width) runs.push_back({x, y, width, y + 1});
    bands.AddRow(y, runs);
  }
  return bands.Take();
}

}  // namespace sundrel
