// Image files built by the tests: BMP files of every depth from a grid of colours, and JPEG
// files encoded with libjpeg.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "paint/color.h"
#include "paint/pixels.h"

namespace sundrel::test {

using Bytes = std::vector<uint8_t>;

// Colours row by row from the top.
struct Grid {
  int width = 0;
  int height = 0;
  std::vector<TColor> pixels;
  TColor At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct BmpLayout {
  int bits = 24;
  bool topDown = false;
  // For 1, 4 and 8 bits: the colour table (every colour of the grid must be in it).
  std::vector<TColor> palette;
  // For 16 and 32 bits: red, green and blue masks written as bit fields; none for the default
  // layout (5-5-5, or 8-8-8 with an unused top byte).
  std::optional<std::array<uint32_t, 3>> masks;
};

Bytes MakeBmp(const Grid& grid, const BmpLayout& layout);
// A 24-bit bitmap of one colour.
Bytes SolidBmp(int width, int height, TColor color);

// A BMP file header and a 40-byte info header for 8- or 4-bit run-length data, with the given
// colour table, followed by the data.
Bytes MakeRleBmp(int width, int height, int bits, const std::vector<TColor>& palette, const Bytes& data);

struct JpegLayout {
  bool greyscale = false;
  bool progressive = false;
  bool cmyk = false;
  int quality = 100;
};
// Every pixel has the colour the function gives.
Bytes MakeJpeg(int width, int height, TColor (*color)(int x, int y), const JpegLayout& layout = {});

struct BadImage {
  const char* name;
  Bytes file;
  const char* reason;  // a part of the message
};
// Each file must raise EInvalidGraphic "<kind> image is not valid (...reason...)".
void ExpectDecodeErrors(TacMemBitmap (*decode)(std::span<const uint8_t>), const char* kind,
                        std::span<const BadImage> cases);

// The decoded picture as a grid, for comparisons.
Grid GridOf(const TacMemBitmap& bitmap);

}  // namespace sundrel::test
