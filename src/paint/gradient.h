// Multi-step colour gradients of skin sections: the text form of the skin options, the parsed
// array, and painting an array into a rectangle of a 24-bit bitmap.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/pixels.h"

namespace sundrel {

inline constexpr int32_t gdVertical = 0;    // colours change from top to bottom
inline constexpr int32_t gdHorizontal = 1;  // from left to right
inline constexpr int32_t gdMesh = 2;        // four corners and the centre

struct TsGradStep {
  TColor StartColor = 0;
  TColor EndColor = 0;
  int32_t Percent = 0;  // share of the painted extent, 0..100
  int32_t Direction = 0;

  bool operator==(const TsGradStep&) const = default;
};

// In text order; empty means no gradient.
using TsGradArray = std::vector<TsGradStep>;

// Fields separated by ";" (a run of separators counts as one), five to a step: start colour, end
// colour, percent (read as 0..100), direction and an unused field. Fields that do not fill a
// whole step are ignored. A field that is not an integer raises EConvertError.
TsGradArray ParseGradientData(std::string_view text);

// Paints the steps into the rectangle, clipped to the bitmap. The first step's direction decides
// how the whole array is painted; other directions paint nothing, and so does an empty array or a
// bitmap that is not 24-bit. The mesh is computed here; on Windows, painting through a device
// context hands it to the system's triangle gradient fill instead.
void PaintGradient(const TacPixels& bitmap, const TRect& rect, const TsGradArray& steps);

// The mesh as the system's triangle fill takes it: five vertices with 16-bit channels (the byte
// shifted left by 8) and four triangles, a pyramid whose apex is the rectangle's centre.
struct TacMeshVertex {
  int32_t X = 0;
  int32_t Y = 0;
  uint16_t Red = 0;
  uint16_t Green = 0;
  uint16_t Blue = 0;
};
inline constexpr int kMeshTriangles[4][3] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};

// Vertex k takes the start colour of step k, or the previous vertex's colour when there are fewer
// steps; steps must not be empty.
std::array<TacMeshVertex, 5> MeshVertices(const TRect& rect, const TsGradArray& steps);

}  // namespace sundrel
