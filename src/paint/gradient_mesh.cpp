#include "paint/gradient_mesh.h"

#include <algorithm>
#include <utility>

namespace sundrel {

namespace {

// Points are doubled so that pixel centres (x + 0.5, y + 0.5) have integer coordinates.
struct Point2 {
  int64_t X;
  int64_t Y;
};

// Twice the signed area of (a, b, p): positive when p lies left of a -> b in screen coordinates.
int64_t Edge(Point2 a, Point2 b, Point2 p) {
  return (b.X - a.X) * (p.Y - a.Y) - (b.Y - a.Y) * (p.X - a.X);
}

// A pixel centre on an edge shared by two triangles belongs to one of them only: the edge runs in
// opposite directions in the two, and this test is true for exactly one direction.
bool OwnsEdge(Point2 a, Point2 b) {
  return b.Y > a.Y || (b.Y == a.Y && b.X < a.X);
}

bool Inside(int64_t edge, Point2 a, Point2 b) {
  return edge > 0 || (edge == 0 && OwnsEdge(a, b));
}

void FillTriangle(const TacPixels& bitmap, const TRect& clip, TacMeshVertex va, TacMeshVertex vb, TacMeshVertex vc) {
  Point2 a{2 * int64_t{va.X}, 2 * int64_t{va.Y}}, b{2 * int64_t{vb.X}, 2 * int64_t{vb.Y}},
      c{2 * int64_t{vc.X}, 2 * int64_t{vc.Y}};
  int64_t area = Edge(a, b, c);
  if (area == 0) return;
  if (area < 0) std::swap(b, c), std::swap(vb, vc), area = -area;

  const int left = std::max<int>(clip.Left, std::min({va.X, vb.X, vc.X}));
  const int right = std::min<int>(clip.Right, std::max({va.X, vb.X, vc.X}));
  const int top = std::max<int>(clip.Top, std::min({va.Y, vb.Y, vc.Y}));
  const int bottom = std::min<int>(clip.Bottom, std::max({va.Y, vb.Y, vc.Y}));
  for (int y = top; y < bottom; ++y) {
    uint8_t* row = bitmap.Row(y);
    for (int x = left; x < right; ++x) {
      const Point2 p{2 * int64_t{x} + 1, 2 * int64_t{y} + 1};
      const int64_t wa = Edge(b, c, p), wb = Edge(c, a, p), wc = Edge(a, b, p);
      if (!Inside(wa, b, c) || !Inside(wb, c, a) || !Inside(wc, a, b)) continue;
      auto channel = [&](uint16_t ca, uint16_t cb, uint16_t cc) {
        return static_cast<uint8_t>((wa * ca + wb * cb + wc * cc) / area >> 8);
      };
      uint8_t* pixel = row + 3 * x;
      pixel[0] = channel(va.Blue, vb.Blue, vc.Blue);
      pixel[1] = channel(va.Green, vb.Green, vc.Green);
      pixel[2] = channel(va.Red, vb.Red, vc.Red);
    }
  }
}

}  // namespace

std::array<TacMeshVertex, 5> MeshVertices(const TRect& r, const TsGradArray& steps) {
  const TPoint corners[5] = {{r.Left, r.Top},
                             {r.Left + r.Width() / 2, r.Top + r.Height() / 2},
                             {r.Right, r.Top},
                             {r.Right, r.Bottom},
                             {r.Left, r.Bottom}};
  std::array<TacMeshVertex, 5> vertices;
  for (size_t k = 0; k < vertices.size(); ++k) {
    const TColor color = steps[std::min(k, steps.size() - 1)].StartColor;
    vertices[k] = {corners[k].X, corners[k].Y, static_cast<uint16_t>(RedOf(color) << 8),
                   static_cast<uint16_t>(GreenOf(color) << 8), static_cast<uint16_t>(BlueOf(color) << 8)};
  }
  return vertices;
}

void PaintMesh(const TacPixels& bitmap, const TRect& rect, const TsGradArray& steps) {
  const std::array<TacMeshVertex, 5> v = MeshVertices(rect, steps);
  for (const auto& t : kMeshTriangles) FillTriangle(bitmap, rect, v[t[0]], v[t[1]], v[t[2]]);
}

}  // namespace sundrel
