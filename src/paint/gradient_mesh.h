// The mesh gradient painted without the system's help (the portable build and its tests).
#pragma once

#include "paint/gradient.h"

namespace sundrel {

// Fills the rectangle (inside the 24-bit bitmap) with the four triangles of MeshVertices: every
// pixel centre belongs to exactly one triangle and takes the colour interpolated there.
void PaintMesh(const TacPixels& bitmap, const TRect& rect, const TsGradArray& steps);

}  // namespace sundrel
