#include "skin/image/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "skin_test_files.h"

namespace sundrel {
namespace {

using test::Bytes;

// Four flat quarters: red, green, blue, white.
TColor Quarters(int x, int y) {
  const bool right = x >= 160;
  const bool bottom = y >= 150;
  return bottom ? (right ? 0xFFFFFF : 0xFF0000) : (right ? 0x00FF00 : 0x0000FF);
}

TColor Grey(int, int) {
  return 0x808080;
}

bool Near(TColor a, TColor b) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > 6) return false;
  }
  return true;
}

TEST(JpegDecoder, DecodesColourGreyAndProgressiveImages) {
  const struct {
    const char* name;
    test::JpegLayout layout;
    TColor (*color)(int, int);
  } cases[] = {
      {"baseline", {}, Quarters},
      {"progressive", {false, true, false, 100}, Quarters},
      {"greyscale", {true, false, false, 100}, Grey},
  };
  for (const auto& c : cases) {
    const Bytes file = test::MakeJpeg(320, 300, c.color, c.layout);
    ASSERT_TRUE(LooksLikeJpeg(file)) << c.name;
    const TacMemBitmap bitmap = DecodeJpeg(file);
    ASSERT_EQ(bitmap.Width(), 320) << c.name;
    ASSERT_EQ(bitmap.Height(), 300) << c.name;
    // Away from the edges between quarters, where the compression blurs.
    for (const auto& [x, y] : {std::pair{40, 40}, {280, 40}, {40, 260}, {280, 260}}) {
      EXPECT_TRUE(Near(bitmap.Pixel(x, y), c.color(x, y)))
          << c.name << " at " << x << "," << y << ": " << std::hex << bitmap.Pixel(x, y);
    }
  }
}

Bytes WithSize(Bytes file, uint16_t width, uint16_t height) {
  // The frame header: FF C0 (or C2), length, precision, height, width.
  for (size_t i = 0; i + 9 < file.size(); ++i) {
    if (file[i] == 0xFF && (file[i + 1] == 0xC0 || file[i + 1] == 0xC2)) {
      file[i + 5] = static_cast<uint8_t>(height >> 8), file[i + 6] = static_cast<uint8_t>(height);
      file[i + 7] = static_cast<uint8_t>(width >> 8), file[i + 8] = static_cast<uint8_t>(width);
      return file;
    }
  }
  ADD_FAILURE() << "no frame header";
  return file;
}

TEST(JpegDecoder, HostileFilesGiveAClearError) {
  const Bytes good = test::MakeJpeg(64, 48, Quarters);
  const Bytes progressive = test::MakeJpeg(64, 48, Quarters, {false, true, false, 90});
  const test::BadImage cases[] = {
      {"empty", {}, ""},
      {"not a JPEG", Bytes{'B', 'M', 1, 2, 3, 4}, ""},
      {"cut after the headers", Bytes(good.begin(), good.begin() + good.size() / 3), "the data is cut short"},
      {"progressive cut short", Bytes(progressive.begin(), progressive.end() - 40), "the data is cut short"},
      {"huge", WithSize(good, 60000, 60000), "60000 x 60000 pixels is too large"},
      {"over the pixel limit", WithSize(good, 8192, 4096), "8192 x 4096 pixels is too large"},
      {"CMYK", test::MakeJpeg(16, 16, Quarters, {false, false, true, 90}), "CMYK"},
  };
  test::ExpectDecodeErrors(DecodeJpeg, "JPEG", cases);
}

}  // namespace
}  // namespace sundrel
