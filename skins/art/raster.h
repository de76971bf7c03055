// The small raster kit the Tidewater art is drawn with: anti-aliased shapes given by their
// coverage of each pixel, composed with straight alpha into cells, then encoded the way the
// skin engine reads images (opaque pixels, clFuchsia holes, or colour plus a mask).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tidewater {

struct Rgb {
  float r = 0, g = 0, b = 0;
};

Rgb Mix(Rgb a, Rgb b, float t);  // a at t = 0, b at t = 1

// How much of the pixel whose centre is (x, y) a shape covers, 0 to 1.
using Shape = std::function<float(float x, float y)>;

// A rectangle with rounded corners (radii top-left, top-right, bottom-right, bottom-left).
struct RoundRect {
  float x0, y0, x1, y1;
  float tl, tr, br, bl;

  static RoundRect Uniform(float x0, float y0, float x1, float y1, float radius) {
    return {x0, y0, x1, y1, radius, radius, radius, radius};
  }
  RoundRect Inset(float by) const;
  // Signed distance from the outline: negative inside.
  float Distance(float x, float y) const;
  Shape Fill() const;
  // The band between the outline and the outline moved inwards by `inset + width`, starting
  // `inset` inside: inset 0 is the outermost ring of pixels.
  Shape Ring(float inset, float width) const;
};

Shape Segment(float ax, float ay, float bx, float by, float width);
Shape Disc(float cx, float cy, float radius);
Shape Triangle(float ax, float ay, float bx, float by, float cx, float cy);
Shape Union(std::vector<Shape> shapes);

// Which side of the rectangle a pixel's edge belongs to, as weights that add up to 1: along a
// straight edge one side alone, around a rounded corner a blend of its two sides. Lets a ring
// be lit from above without breaking the tiling of the edge pieces.
struct SideWeights {
  float top = 0, bottom = 0, left = 0, right = 0;
  float Of(float topValue, float bottomValue, float leftValue, float rightValue) const {
    return top * topValue + bottom * bottomValue + left * leftValue + right * rightValue;
  }
};
SideWeights SidesOf(const RoundRect& rect, float x, float y);

// One image cell being drawn: straight colour with alpha, and the silhouette that decides where
// the skin engine may see through (holes).
class Cell {
 public:
  Cell(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Lays colour over the cell where the shape covers it, at alpha times the coverage; the
  // alpha may vary per pixel.
  void Paint(const Shape& shape, Rgb colour, float alpha = 1);
  void Paint(const Shape& shape, const std::function<Rgb(float x, float y)>& colour,
             const std::function<float(float x, float y)>& alpha);
  void SetSilhouette(const Shape& shape);

  Rgb ColourAt(int x, int y) const { return colour_[Index(x, y)]; }
  float AlphaAt(int x, int y) const { return alpha_[Index(x, y)]; }
  float SilhouetteAt(int x, int y) const { return silhouette_[Index(x, y)]; }

  // The same cell turned: each pixel of the result takes the pixel that `from` names.
  Cell Remapped(const std::function<void(int x, int y, int& fromX, int& fromY)>& from) const;

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
  void Over(size_t index, Rgb colour, float alpha);

  int width_, height_;
  std::vector<Rgb> colour_;
  std::vector<float> alpha_;
  std::vector<float> silhouette_;
};

// A 24-bit picture, saved as a bottom-up Windows bitmap file.
class Picture {
 public:
  static constexpr uint8_t kFuchsia[3] = {255, 0, 255};  // red, green, blue

  Picture(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Set(int x, int y, Rgb colour);
  Rgb Get(int x, int y) const;
  bool IsFuchsia(int x, int y) const;
  void SetFuchsia(int x, int y);
  void SetGrey(int x, int y, uint8_t level);
  void Save(const std::string& path) const;
  // A picture for people to look at, every pixel drawn as a square of scale x scale.
  void SavePng(const std::string& path, int scale) const;

  // Cell encodings, with the cell's top-left corner at (x, y):
  // - masked: pixels outside the silhouette are clFuchsia holes, all others carry their colour,
  //   and the mask (in the lower half of the image, maskOffset rows down) is 255 - alpha;
  // - glyph: like masked, but every fully transparent pixel is a hole;
  // - texture: no holes at all, transparency lives in the mask alone;
  // - opaque: the cell laid over a base colour, with holes where the silhouette is under half.
  void PutMasked(const Cell& cell, int x, int y, int maskOffset);
  void PutGlyph(const Cell& cell, int x, int y, int maskOffset);
  void PutTexture(const Cell& cell, int x, int y, int maskOffset);
  void PutOpaque(const Cell& cell, int x, int y, Rgb base);

 private:
  enum class Holes { OutsideSilhouette, Transparent, None };
  void PutWithMask(const Cell& cell, int x, int y, int maskOffset, Holes holes);

  int width_, height_;
  std::vector<uint8_t> rgb_;
};

}  // namespace tidewater
