#include "skin/image/bmp_decoder.h"

#include <gtest/gtest.h>

#include <string>

#include "skin_test_files.h"

namespace sundrel {
namespace {

using test::BmpLayout;
using test::Bytes;
using test::Grid;

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;

// Three columns (so rows need padding at every depth) and two rows (so the row order shows).
const Grid kSixColours{3, 2, {clFuchsia, kRed, kGreen, kBlue, kWhite, kBlack}};
const Grid kTwoColours{3, 2, {clFuchsia, kWhite, kWhite, kWhite, clFuchsia, clFuchsia}};

struct DepthCase {
  const char* name;
  const Grid& grid;
  BmpLayout layout;
};

TEST(BmpDecoder, EveryDepthGivesTheSameColoursWithTheKeyColourExact) {
  const std::vector<TColor> six = {kBlack, clFuchsia, kRed, kGreen, kBlue, kWhite};
  const DepthCase cases[] = {
      {"1 bit", kTwoColours, {1, false, {kWhite, clFuchsia}, {}}},
      {"1 bit top-down", kTwoColours, {1, true, {clFuchsia, kWhite}, {}}},
      {"4 bits", kSixColours, {4, false, six, {}}},
      {"8 bits", kSixColours, {8, false, six, {}}},
      {"8 bits top-down", kSixColours, {8, true, six, {}}},
      {"16 bits 5-5-5", kSixColours, {16, false, {}, {}}},
      {"16 bits 5-6-5", kSixColours, {16, false, {}, std::array<uint32_t, 3>{0xF800, 0x07E0, 0x001F}}},
      {"24 bits", kSixColours, {24, false, {}, {}}},
      {"24 bits top-down", kSixColours, {24, true, {}, {}}},
      {"32 bits", kSixColours, {32, false, {}, {}}},
      {"32 bits with masks", kSixColours, {32, true, {}, std::array<uint32_t, 3>{0xFF, 0xFF00, 0xFF0000}}},
  };
  for (const auto& c : cases) {
    TacMemBitmap bitmap = DecodeBmp(test::MakeBmp(c.grid, c.layout));
    EXPECT_EQ(test::GridOf(bitmap).pixels, c.grid.pixels) << c.name;
    // Whatever the file's layout: 24 bits, rows from the top, padded as the system wants them.
    EXPECT_EQ(bitmap.Pixels().BytesPerPixel, 3) << c.name;
    EXPECT_GT(bitmap.Pixels().RowDelta, 0) << c.name;
    EXPECT_EQ(bitmap.Pixels().RowDelta % 4, 0) << c.name;
  }
}

// Runs, an absolute run, a delta and line ends, on a 5 x 3 picture (rows counted from the
// bottom). Pixels the data skips take colour 0 of the table.
TEST(BmpDecoder, RunLengthData) {
  const std::vector<TColor> palette = {clFuchsia, kRed, kGreen, kBlue};
  const Bytes rle8 = {
      3, 1,              // bottom row: red red red
      0, 3, 2, 3, 2, 0,  // absolute: green blue green, padded to an even length
      0, 0,              // end of line
      0, 2, 1, 1,        // delta: skip to x 1 of the top row
      2, 3,              // blue blue
      0, 1,              // end of bitmap
  };
  const Grid expected8{5,
                       3,
                       {clFuchsia, kBlue, kBlue, clFuchsia, clFuchsia,          //
                        clFuchsia, clFuchsia, clFuchsia, clFuchsia, clFuchsia,  //
                        kRed, kRed, kRed, kGreen, kBlue}};
  EXPECT_EQ(test::GridOf(DecodeBmp(test::MakeRleBmp(5, 3, 8, palette, rle8))).pixels, expected8.pixels);

  const Bytes rle4 = {
      5, 0x12,              // bottom row: red green red green red
      0, 0,                 // end of line
      0, 3,    0x32, 0x10,  // absolute: blue green red
      0, 0,                 // end of line
      9, 0x30,              // a run longer than the row is cut at its end
      0, 1,
  };
  const Grid expected4{5,
                       3,
                       {kBlue, clFuchsia, kBlue, clFuchsia, kBlue,  //
                        kBlue, kGreen, kRed, clFuchsia, clFuchsia,  //
                        kRed, kGreen, kRed, kGreen, kRed}};
  EXPECT_EQ(test::GridOf(DecodeBmp(test::MakeRleBmp(5, 3, 4, palette, rle4))).pixels, expected4.pixels);

  // Some writers end the last row without the end-of-bitmap code.
  const Bytes noEnd = {2, 1, 0, 0};
  EXPECT_EQ(test::GridOf(DecodeBmp(test::MakeRleBmp(2, 1, 8, palette, noEnd))).pixels,
            (std::vector<TColor>{kRed, kRed}));
}

TEST(BmpDecoder, PaletteIndexesBeyondTheTableAreBlack) {
  Bytes file = test::MakeBmp(kTwoColours, {8, false, {kWhite, clFuchsia}, {}});
  const size_t pixels = file.size() - 2 * 4;  // two rows of four bytes
  file[pixels] = 200;
  EXPECT_EQ(DecodeBmp(file).Pixel(0, 1), kBlack);
}

Bytes WithU32(Bytes file, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(value >> (8 * i));
  return file;
}

Bytes WithU16(Bytes file, size_t at, uint16_t value) {
  file[at] = static_cast<uint8_t>(value);
  file[at + 1] = static_cast<uint8_t>(value >> 8);
  return file;
}

Bytes Cut(Bytes file, size_t size) {
  file.resize(size);
  return file;
}

TEST(BmpDecoder, HostileFilesGiveAClearErrorAndNoGiantAllocation) {
  const Bytes good = test::MakeBmp(kSixColours, {24, false, {}, {}});
  const Bytes good8 = test::MakeBmp(kSixColours, {8, false, {kBlack, clFuchsia, kRed, kGreen, kBlue, kWhite}, {}});
  const Bytes rle = test::MakeRleBmp(4, 2, 8, {kRed}, {4, 0, 0, 0, 4, 0, 0, 1});
  const test::BadImage cases[] = {
      {"empty", {}, "the file is too short"},
      {"not a bitmap", Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "does not begin with"},
      {"unknown header", WithU32(good, 14, 20), "unsupported header size 20"},
      {"header cut short", Cut(good, 30), "the header is cut short"},
      {"no width", WithU32(good, 18, 0), "it has no pixels"},
      {"negative width", WithU32(good, 18, static_cast<uint32_t>(-3)), "it has no pixels"},
      {"huge", WithU32(WithU32(good, 18, 100000), 22, 100000), "100000 x 100000 pixels is too large"},
      {"over the pixel limit", WithU32(WithU32(good, 18, 4097), 22, 4096), "4097 x 4096 pixels is too large"},
      {"most negative height", WithU32(good, 22, 0x80000000u), "too large"},
      {"2 bits", WithU16(good, 28, 2), "2 bits per pixel are not supported"},
      {"run-length 24 bits", WithU32(good, 30, 1), "compression 1 with 24 bits per pixel"},
      {"JPEG inside", WithU32(good, 30, 4), "compression 4"},
      {"pixels cut short", Cut(good, good.size() - 1), "the pixel data is cut short"},
      {"pixels far away", WithU32(good, 10, 0xFFFFFFF0u), "the pixel data is cut short"},
      {"colour table cut short", Cut(good8, 14 + 40 + 10), "the colour table is cut short"},
      {"run-length cut short", Cut(rle, rle.size() - 2), "the pixel data is cut short"},
      {"top-down run-length", WithU32(rle, 22, static_cast<uint32_t>(-2)), "top-down"},
      {"broken mask", test::MakeBmp(kSixColours, {32, false, {}, std::array<uint32_t, 3>{0xF0F0, 0xFF0000, 0xFF}}),
       "not contiguous"},
  };
  test::ExpectDecodeErrors(DecodeBmp, "Bitmap", cases);
}

}  // namespace
}  // namespace sundrel
