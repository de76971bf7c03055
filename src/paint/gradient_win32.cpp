#include "paint/gradient_win32.h"

#include "paint/dib_pixels_win32.h"

namespace sundrel {

void PaintGradient(HDC dc, const TRect& rect, const TsGradArray& steps) {
  const TacPixels pixels = PixelsOfDibSection(static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)));
  if (steps.empty() || !pixels.Is24Bit()) return;
  if (steps.front().Direction != gdMesh) {
    PaintGradient(pixels, rect, steps);
    return;
  }
  const TRect r = ClipToSize(rect, pixels.Width, pixels.Height);
  if (r.IsEmpty()) return;
  TRIVERTEX vertices[5];
  const auto mesh = MeshVertices(r, steps);
  for (size_t k = 0; k < mesh.size(); ++k) {
    vertices[k] = {mesh[k].X, mesh[k].Y, mesh[k].Red, mesh[k].Green, mesh[k].Blue, 0};
  }
  GRADIENT_TRIANGLE triangles[4];
  for (int t = 0; t < 4; ++t) {
    triangles[t] = {static_cast<ULONG>(kMeshTriangles[t][0]), static_cast<ULONG>(kMeshTriangles[t][1]),
                    static_cast<ULONG>(kMeshTriangles[t][2])};
  }
  GradientFill(dc, vertices, 5, triangles, 4, GRADIENT_FILL_TRIANGLE);
}

}  // namespace sundrel
