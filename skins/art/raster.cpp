#include "raster.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include "png/png_writer.h"

namespace tidewater {

namespace {

float Clamp01(float v) {
  return std::clamp(v, 0.0f, 1.0f);
}

// One pixel of anti-aliasing at a distance field's zero line.
float CoverageOfDistance(float distance) {
  return Clamp01(0.5f - distance);
}

uint8_t ToByte(float v) {
  return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
}

void PutLE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

RoundRect RoundRect::Inset(float by) const {
  auto shrink = [by](float r) { return std::max(0.0f, r - by); };
  return {x0 + by, y0 + by, x1 - by, y1 - by, shrink(tl), shrink(tr), shrink(br), shrink(bl)};
}

float RoundRect::Distance(float x, float y) const {
  const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const float hx = (x1 - x0) / 2, hy = (y1 - y0) / 2;
  const float qx = x - cx, qy = y - cy;
  const float r = qy < 0 ? (qx < 0 ? tl : tr) : (qx < 0 ? bl : br);
  const float dx = std::abs(qx) - (hx - r), dy = std::abs(qy) - (hy - r);
  const float outside = std::hypot(std::max(dx, 0.0f), std::max(dy, 0.0f));
  const float inside = std::min(std::max(dx, dy), 0.0f);
  return outside + inside - r;
}

Shape RoundRect::Fill() const {
  const RoundRect rect = *this;
  return [rect](float x, float y) { return CoverageOfDistance(rect.Distance(x, y)); };
}

Shape RoundRect::Ring(float inset, float width) const {
  const RoundRect outer = Inset(inset), inner = Inset(inset + width);
  return [outer, inner](float x, float y) {
    return Clamp01(CoverageOfDistance(outer.Distance(x, y)) - CoverageOfDistance(inner.Distance(x, y)));
  };
}

Shape Segment(float ax, float ay, float bx, float by, float width) {
  return [=](float x, float y) {
    const float vx = bx - ax, vy = by - ay;
    const float t = Clamp01(((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy));
    return CoverageOfDistance(std::hypot(x - ax - t * vx, y - ay - t * vy) - width / 2);
  };
}

Shape Disc(float cx, float cy, float radius) {
  return [=](float x, float y) { return CoverageOfDistance(std::hypot(x - cx, y - cy) - radius); };
}

Shape Triangle(float ax, float ay, float bx, float by, float cx, float cy) {
  // Supersampled: 4 x 4 samples per pixel are plenty for glyph-sized triangles.
  return [=](float x, float y) {
    auto inside = [&](float px, float py) {
      auto side = [&](float x1, float y1, float x2, float y2) { return (x2 - x1) * (py - y1) - (y2 - y1) * (px - x1); };
      const float d1 = side(ax, ay, bx, by), d2 = side(bx, by, cx, cy), d3 = side(cx, cy, ax, ay);
      return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
    };
    int hits = 0;
    for (int i = 0; i < 4; ++i) {
      for (int j = 0; j < 4; ++j) hits += inside(x - 0.375f + 0.25f * i, y - 0.375f + 0.25f * j) ? 1 : 0;
    }
    return hits / 16.0f;
  };
}

Shape Union(std::vector<Shape> shapes) {
  return [shapes](float x, float y) {
    float coverage = 0;
    for (const Shape& shape : shapes) coverage = std::max(coverage, shape(x, y));
    return coverage;
  };
}

SideWeights SidesOf(const RoundRect& rect, float x, float y) {
  // The direction from the nearest point of the rectangle's flat inner part: straight up along
  // the top edge, diagonal in a corner.
  const float radius = std::max({rect.tl, rect.tr, rect.br, rect.bl, 0.5f});
  const float vx = x - std::clamp(x, rect.x0 + radius, rect.x1 - radius);
  const float vy = y - std::clamp(y, rect.y0 + radius, rect.y1 - radius);
  const float length = vx * vx + vy * vy;
  SideWeights sides;
  if (length == 0) {
    // Deep inside: the nearest side decides.
    const float top = y - rect.y0, bottom = rect.y1 - y, left = x - rect.x0, right = rect.x1 - x;
    const float nearest = std::min({top, bottom, left, right});
    if (nearest == top) {
      sides.top = 1;
    } else if (nearest == bottom) {
      sides.bottom = 1;
    } else if (nearest == left) {
      sides.left = 1;
    } else {
      sides.right = 1;
    }
    return sides;
  }
  (vy < 0 ? sides.top : sides.bottom) = vy * vy / length;
  (vx < 0 ? sides.left : sides.right) = vx * vx / length;
  return sides;
}

Cell::Cell(int width, int height)
    : width_(width),
      height_(height),
      colour_(static_cast<size_t>(width) * height),
      alpha_(colour_.size(), 0.0f),
      silhouette_(colour_.size(), 1.0f) {}

void Cell::Over(size_t index, Rgb colour, float alpha) {
  alpha = Clamp01(alpha);
  if (alpha <= 0) return;
  const float below = alpha_[index] * (1 - alpha);
  const float total = alpha + below;
  const Rgb& old = colour_[index];
  colour_[index] = {(colour.r * alpha + old.r * below) / total, (colour.g * alpha + old.g * below) / total,
                    (colour.b * alpha + old.b * below) / total};
  alpha_[index] = total;
}

void Cell::Paint(const Shape& shape, Rgb colour, float alpha) {
  Paint(
      shape, [colour](float, float) { return colour; }, [alpha](float, float) { return alpha; });
}

void Cell::Paint(const Shape& shape, const std::function<Rgb(float x, float y)>& colour,
                 const std::function<float(float x, float y)>& alpha) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float cx = x + 0.5f, cy = y + 0.5f;
      const float coverage = shape(cx, cy);
      if (coverage > 0) Over(Index(x, y), colour(cx, cy), coverage * alpha(cx, cy));
    }
  }
}

void Cell::SetSilhouette(const Shape& shape) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) silhouette_[Index(x, y)] = shape(x + 0.5f, y + 0.5f);
  }
}

Cell Cell::Remapped(const std::function<void(int x, int y, int& fromX, int& fromY)>& from) const {
  Cell turned(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      int fx = 0, fy = 0;
      from(x, y, fx, fy);
      turned.colour_[Index(x, y)] = colour_[Index(fx, fy)];
      turned.alpha_[Index(x, y)] = alpha_[Index(fx, fy)];
      turned.silhouette_[Index(x, y)] = silhouette_[Index(fx, fy)];
    }
  }
  return turned;
}

Picture::Picture(int width, int height)
    : width_(width), height_(height), rgb_(static_cast<size_t>(width) * height * 3) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) SetFuchsia(x, y);
  }
}

void Picture::Set(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("pixel outside the picture");
  uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
  p[0] = ToByte(colour.r);
  p[1] = ToByte(colour.g);
  p[2] = ToByte(colour.b);
  // Exactly clFuchsia means "hole" to the skin engine; a drawn pixel must never be one.
  if (p[0] == kFuchsia[0] && p[1] == kFuchsia[1] && p[2] == kFuchsia[2]) p[0] = 254;
}

Rgb Picture::Get(int x, int y) const {
  const uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
  return {float(p[0]), float(p[1]), float(p[2])};
}

bool Picture::IsFuchsia(int x, int y) const {
  const uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
  return p[0] == kFuchsia[0] && p[1] == kFuchsia[1] && p[2] == kFuchsia[2];
}

void Picture::SetFuchsia(int x, int y) {
  uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
  std::copy(kFuchsia, kFuchsia + 3, p);
}

void Picture::SetGrey(int x, int y, uint8_t level) {
  Set(x, y, {float(level), float(level), float(level)});
}

void Picture::PutWithMask(const Cell& cell, int x, int y, int maskOffset, Holes holes) {
  for (int cy = 0; cy < cell.Height(); ++cy) {
    for (int cx = 0; cx < cell.Width(); ++cx) {
      const float alpha = cell.AlphaAt(cx, cy);
      const uint8_t mask = ToByte(255 * (1 - alpha));
      const bool hole = holes == Holes::OutsideSilhouette ? cell.SilhouetteAt(cx, cy) <= 0
                        : holes == Holes::Transparent     ? mask == 255
                                                          : false;
      if (hole) {
        SetFuchsia(x + cx, y + cy);
        SetGrey(x + cx, y + cy + maskOffset, 255);
        continue;
      }
      // Fully transparent pixels show the background through the mask; white keeps the
      // rounding of the mask blend from tinting it.
      Set(x + cx, y + cy, mask == 255 ? Rgb{255, 255, 255} : cell.ColourAt(cx, cy));
      SetGrey(x + cx, y + cy + maskOffset, mask);
    }
  }
}

void Picture::PutMasked(const Cell& cell, int x, int y, int maskOffset) {
  PutWithMask(cell, x, y, maskOffset, Holes::OutsideSilhouette);
}

void Picture::PutGlyph(const Cell& cell, int x, int y, int maskOffset) {
  PutWithMask(cell, x, y, maskOffset, Holes::Transparent);
}

void Picture::PutTexture(const Cell& cell, int x, int y, int maskOffset) {
  PutWithMask(cell, x, y, maskOffset, Holes::None);
}

void Picture::PutOpaque(const Cell& cell, int x, int y, Rgb base) {
  for (int cy = 0; cy < cell.Height(); ++cy) {
    for (int cx = 0; cx < cell.Width(); ++cx) {
      if (cell.SilhouetteAt(cx, cy) < 0.5f) {
        SetFuchsia(x + cx, y + cy);
      } else {
        Set(x + cx, y + cy, Mix(base, cell.ColourAt(cx, cy), cell.AlphaAt(cx, cy)));
      }
    }
  }
}

void Picture::Save(const std::string& path) const {
  const uint32_t rowBytes = (static_cast<uint32_t>(width_) * 3 + 3) & ~3u;
  const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(height_);
  std::vector<uint8_t> file;
  file.push_back('B');
  file.push_back('M');
  PutLE(file, 14 + 40 + pixelBytes, 4);
  PutLE(file, 0, 4);
  PutLE(file, 14 + 40, 4);
  PutLE(file, 40, 4);  // BITMAPINFOHEADER
  PutLE(file, static_cast<uint32_t>(width_), 4);
  PutLE(file, static_cast<uint32_t>(height_), 4);  // positive: bottom-up rows
  PutLE(file, 1, 2);
  PutLE(file, 24, 2);
  PutLE(file, 0, 4);  // BI_RGB
  PutLE(file, pixelBytes, 4);
  PutLE(file, 2835, 4);  // 72 dots per inch
  PutLE(file, 2835, 4);
  PutLE(file, 0, 4);
  PutLE(file, 0, 4);
  for (int y = height_ - 1; y >= 0; --y) {
    const uint8_t* row = &rgb_[static_cast<size_t>(y) * width_ * 3];
    for (int x = 0; x < width_; ++x) {
      file.push_back(row[x * 3 + 2]);
      file.push_back(row[x * 3 + 1]);
      file.push_back(row[x * 3]);
    }
    for (uint32_t pad = static_cast<uint32_t>(width_) * 3; pad < rowBytes; ++pad) file.push_back(0);
  }
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void Picture::SavePng(const std::string& path, int scale) const {
  const int width = width_ * scale, height = height_ * scale;
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = &rgb_[static_cast<size_t>(y / scale) * width_ * 3];
    for (int x = 0; x < width; ++x) rgb.insert(rgb.end(), row + x / scale * 3, row + x / scale * 3 + 3);
  }
  sundrel::WritePng(path, width, height, rgb);
}

}  // namespace tidewater
