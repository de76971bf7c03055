#include "skin_test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

// After <cstdio>: jpeglib.h needs FILE and size_t.
#include <jpeglib.h>

#include "skin/image/image_limits.h"

namespace sundrel::test {

namespace {

void Put16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(Bytes& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

uint8_t Red(TColor c) {
  return static_cast<uint8_t>(c);
}
uint8_t Green(TColor c) {
  return static_cast<uint8_t>(c >> 8);
}
uint8_t Blue(TColor c) {
  return static_cast<uint8_t>(c >> 16);
}

// File header and info header; the pixels start right after the colour table and masks.
Bytes Headers(int width, int height, int bits, uint32_t compression, const std::vector<TColor>& palette,
              const std::optional<std::array<uint32_t, 3>>& masks, size_t pixelBytes) {
  const size_t extra = palette.size() * 4 + (masks ? 12 : 0);
  const size_t offset = 14 + 40 + extra;
  Bytes out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<uint32_t>(offset + pixelBytes));
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(offset));
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, compression);
  Put32(out, static_cast<uint32_t>(pixelBytes));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, static_cast<uint32_t>(palette.size()));
  Put32(out, 0);
  if (masks) {
    for (uint32_t mask : *masks) Put32(out, mask);
  }
  for (TColor c : palette) {
    out.push_back(Blue(c));
    out.push_back(Green(c));
    out.push_back(Red(c));
    out.push_back(0);
  }
  return out;
}

// A channel value 0..255 placed into a mask's bits.
uint32_t Field(uint8_t value, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  const uint32_t max = mask >> shift;
  return ((value * max + 127) / 255) << shift;
}

uint32_t PackedPixel(TColor c, const std::array<uint32_t, 3>& masks) {
  return Field(Red(c), masks[0]) | Field(Green(c), masks[1]) | Field(Blue(c), masks[2]);
}

}  // namespace

Bytes MakeBmp(const Grid& grid, const BmpLayout& layout) {
  const int bits = layout.bits;
  const size_t stride = (static_cast<size_t>(grid.width) * bits + 31) / 32 * 4;
  const std::array<uint32_t, 3> masks = layout.masks.value_or(
      bits == 16 ? std::array<uint32_t, 3>{0x7C00, 0x03E0, 0x001F} : std::array<uint32_t, 3>{0xFF0000, 0xFF00, 0xFF});
  Bytes out = Headers(grid.width, layout.topDown ? -grid.height : grid.height, bits, layout.masks ? 3 : 0,
                      layout.palette, layout.masks, stride * grid.height);
  for (int row = 0; row < grid.height; ++row) {
    const int y = layout.topDown ? row : grid.height - 1 - row;
    Bytes line(stride, 0);
    for (int x = 0; x < grid.width; ++x) {
      const TColor c = grid.At(x, y);
      if (bits <= 8) {
        const auto found = std::find(layout.palette.begin(), layout.palette.end(), c);
        if (found == layout.palette.end()) throw std::logic_error("colour not in the palette");
        const auto index = static_cast<unsigned>(found - layout.palette.begin());
        const size_t bit = static_cast<size_t>(x) * bits;
        line[bit / 8] |= static_cast<uint8_t>(index << (8 - bits - bit % 8));
      } else if (bits == 24) {
        line[3 * x] = Blue(c), line[3 * x + 1] = Green(c), line[3 * x + 2] = Red(c);
      } else {
        const uint32_t v = PackedPixel(c, masks);
        for (int b = 0; b < bits / 8; ++b) line[x * (bits / 8) + b] = static_cast<uint8_t>(v >> (8 * b));
      }
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

Bytes SolidBmp(int width, int height, TColor color) {
  Grid grid{width, height, std::vector<TColor>(static_cast<size_t>(width) * height, color)};
  return MakeBmp(grid, {});
}

Bytes MakeRleBmp(int width, int height, int bits, const std::vector<TColor>& palette, const Bytes& data) {
  Bytes out = Headers(width, height, bits, bits == 8 ? 1 : 2, palette, std::nullopt, data.size());
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

Bytes MakeJpeg(int width, int height, TColor (*color)(int x, int y), const JpegLayout& layout) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = layout.greyscale ? 1 : layout.cmyk ? 4 : 3;
  info.in_color_space = layout.greyscale ? JCS_GRAYSCALE : layout.cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, layout.quality, TRUE);
  if (layout.progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * info.input_components);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < width; ++x) {
      const TColor c = color(x, y);
      JSAMPLE* p = &row[static_cast<size_t>(x) * info.input_components];
      if (layout.greyscale) {
        p[0] = Red(c);
      } else {
        p[0] = Red(c), p[1] = Green(c), p[2] = Blue(c);
        if (layout.cmyk) p[3] = 0;
      }
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  free(buffer);
  return out;
}

void ExpectDecodeErrors(TacMemBitmap (*decode)(std::span<const uint8_t>), const char* kind,
                        std::span<const BadImage> cases) {
  const std::string prefix = std::string(kind) + " image is not valid (";
  for (const BadImage& c : cases) {
    try {
      decode(c.file);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const EInvalidGraphic& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind(prefix, 0), 0u) << c.name << ": " << message;
      EXPECT_NE(message.find(c.reason), std::string::npos) << c.name << ": " << message;
    }
  }
}

Grid GridOf(const TacMemBitmap& bitmap) {
  Grid grid{bitmap.Width(), bitmap.Height(), {}};
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) grid.pixels.push_back(bitmap.Pixel(x, y));
  }
  return grid;
}

}  // namespace sundrel::test
