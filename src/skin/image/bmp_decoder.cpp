#include "skin/image/bmp_decoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

namespace sundrel {

namespace {

constexpr const char* kKind = "Bitmap";
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

using Bgr = std::array<uint8_t, 3>;

[[noreturn]] void Invalid(const std::string& reason) {
  ThrowInvalidImage(kKind, reason);
}

// Little-endian reads at offsets that the caller has checked.
uint16_t U16(std::span<const uint8_t> d, size_t at) {
  return static_cast<uint16_t>(d[at] | d[at + 1] << 8);
}
uint32_t U32(std::span<const uint8_t> d, size_t at) {
  return static_cast<uint32_t>(d[at]) | static_cast<uint32_t>(d[at + 1]) << 8 | static_cast<uint32_t>(d[at + 2]) << 16 |
         static_cast<uint32_t>(d[at + 3]) << 24;
}

void Need(std::span<const uint8_t> d, uint64_t at, uint64_t count, const char* what) {
  if (at > d.size() || count > d.size() - at) Invalid(std::string(what) + " is cut short");
}

// One colour channel of a 16- or 32-bit pixel, scaled to 0..255 so that a full channel gives
// exactly 255.
class Channel {
 public:
  explicit Channel(uint32_t mask) : mask_(mask) {
    if (mask == 0) return;
    shift_ = std::countr_zero(mask);
    max_ = mask >> shift_;
    if ((max_ & (max_ + 1)) != 0) Invalid("a bit-field mask is not contiguous");
  }
  uint8_t Of(uint32_t pixel) const {
    if (max_ == 0) return 0;
    const uint64_t value = (pixel & mask_) >> shift_;
    return static_cast<uint8_t>((value * 255 + max_ / 2) / max_);
  }

 private:
  uint32_t mask_;
  int shift_ = 0;
  uint64_t max_ = 0;
};

struct BmpFormat {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = kRgb;
  std::array<uint32_t, 3> masks{};  // red, green, blue
  // Entries beyond the file's colour table are black.
  std::array<Bgr, 256> palette{};
  size_t pixelOffset = 0;
};

void ReadMasks(std::span<const uint8_t> file, BmpFormat& format) {
  if (format.compression == kBitFields) {
    // The three masks follow the 40 bytes of the info header, or are its extension.
    Need(file, kFileHeaderSize + kInfoHeaderSize, 12, "the bit-field masks");
    for (size_t i = 0; i < 3; ++i) format.masks[i] = U32(file, kFileHeaderSize + kInfoHeaderSize + 4 * i);
  } else if (format.bitCount == 16) {
    format.masks = {0x7C00, 0x03E0, 0x001F};
  } else if (format.bitCount == 32) {
    format.masks = {0xFF0000, 0xFF00, 0xFF};
  }
}

void ReadPalette(std::span<const uint8_t> file, size_t paletteOffset, bool core, uint32_t colorsUsed,
                 BmpFormat& format) {
  if (format.bitCount > 8) return;
  const uint32_t capacity = 1u << format.bitCount;
  const uint32_t count = colorsUsed == 0 ? capacity : std::min(colorsUsed, capacity);
  const size_t entrySize = core ? 3 : 4;
  Need(file, paletteOffset, uint64_t{count} * entrySize, "the colour table");
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* entry = file.data() + paletteOffset + i * entrySize;
    format.palette[i] = {entry[0], entry[1], entry[2]};
  }
}

BmpFormat ReadFormat(std::span<const uint8_t> file) {
  if (file.size() < kFileHeaderSize + 4) Invalid("the file is too short");
  if (file[0] != 'B' || file[1] != 'M') Invalid("the file does not begin with \"BM\"");
  BmpFormat format;
  format.pixelOffset = U32(file, 10);
  const size_t headerSize = U32(file, kFileHeaderSize);
  const bool core = headerSize == kCoreHeaderSize;
  if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124) {
    Invalid("unsupported header size " + std::to_string(headerSize));
  }
  Need(file, kFileHeaderSize, headerSize, "the header");

  int64_t width = 0;
  int64_t height = 0;
  uint32_t colorsUsed = 0;
  if (core) {
    width = U16(file, 18);
    height = U16(file, 20);
    format.bitCount = U16(file, 24);
  } else {
    width = static_cast<int32_t>(U32(file, 18));
    height = static_cast<int32_t>(U32(file, 22));
    format.bitCount = U16(file, 28);
    format.compression = U32(file, 30);
    colorsUsed = U32(file, 46);
  }
  format.topDown = height < 0;
  height = height < 0 ? -height : height;
  CheckImageSize(kKind, width, height);
  format.width = static_cast<int>(width);
  format.height = static_cast<int>(height);

  const int bits = format.bitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    Invalid(std::to_string(bits) + " bits per pixel are not supported");
  }
  const uint32_t c = format.compression;
  const bool fits = c == kRgb || (c == kRle8 && bits == 8) || (c == kRle4 && bits == 4) ||
                    (c == kBitFields && (bits == 16 || bits == 32));
  if (!fits) Invalid("compression " + std::to_string(c) + " with " + std::to_string(bits) + " bits per pixel");
  if (format.topDown && (c == kRle8 || c == kRle4)) Invalid("a top-down bitmap cannot be run-length encoded");

  ReadMasks(file, format);
  const size_t masksAfterHeader = c == kBitFields && headerSize == kInfoHeaderSize ? 12 : 0;
  ReadPalette(file, kFileHeaderSize + headerSize + masksAfterHeader, core, colorsUsed, format);
  if (format.pixelOffset > file.size()) Invalid("the pixel data is cut short");
  return format;
}

Bgr PaletteColor(const BmpFormat& format, unsigned index) {
  return format.palette[index & 0xFF];
}

void Put(uint8_t* row, int x, const Bgr& color) {
  std::memcpy(row + 3 * static_cast<size_t>(x), color.data(), 3);
}

void ConvertRow(const BmpFormat& format, const std::array<Channel, 3>& channels, const uint8_t* src, uint8_t* dst) {
  const int width = format.width;
  switch (format.bitCount) {
    case 8:
      for (int x = 0; x < width; ++x) Put(dst, x, format.palette[src[x]]);
      break;
    case 1:
    case 4: {
      const int bits = format.bitCount;
      const unsigned mask = (1u << bits) - 1;
      for (int x = 0; x < width; ++x) {
        const size_t bit = static_cast<size_t>(x) * bits;
        const unsigned index = (src[bit / 8] >> (8 - bits - bit % 8)) & mask;
        Put(dst, x, PaletteColor(format, index));
      }
      break;
    }
    case 24:
      std::memcpy(dst, src, static_cast<size_t>(width) * 3);
      break;
    default: {
      const size_t bytes = format.bitCount / 8;
      for (int x = 0; x < width; ++x) {
        const uint8_t* p = src + bytes * x;
        const uint32_t pixel = bytes == 2 ? p[0] | p[1] << 8 : U32({p, 4}, 0);
        Put(dst, x, {channels[2].Of(pixel), channels[1].Of(pixel), channels[0].Of(pixel)});
      }
    }
  }
}

// The file must hold every row before the picture is made: a forged header on a short file
// never gets its picture's memory.
TacMemBitmap DecodeUncompressed(std::span<const uint8_t> file, const BmpFormat& format) {
  const uint64_t srcStride = (static_cast<uint64_t>(format.width) * format.bitCount + 31) / 32 * 4;
  Need(file, format.pixelOffset, srcStride * format.height, "the pixel data");
  // Every pixel of every row is converted below.
  TacMemBitmap bitmap = TacMemBitmap::ToFill(format.width, format.height, 3);
  const std::array<Channel, 3> channels{Channel(format.masks[0]), Channel(format.masks[1]), Channel(format.masks[2])};
  for (int i = 0; i < format.height; ++i) {
    const uint8_t* src = file.data() + format.pixelOffset + srcStride * i;
    ConvertRow(format, channels, src, bitmap.Row(format.topDown ? i : format.height - 1 - i));
  }
  return bitmap;
}

// Run-length data counts rows from the bottom. Runs and deltas that leave the picture are cut
// off, never written outside it.
class RleWriter {
 public:
  RleWriter(const BmpFormat& format, TacMemBitmap& bitmap) : format_(format), bitmap_(bitmap) {}

  void Put(unsigned index) {
    if (x_ < format_.width && y_ < format_.height) {
      sundrel::Put(bitmap_.Row(format_.height - 1 - static_cast<int>(y_)), static_cast<int>(x_),
                   PaletteColor(format_, index));
    }
    ++x_;
  }
  void EndLine() { x_ = 0, ++y_; }
  void Move(unsigned dx, unsigned dy) { x_ += dx, y_ += dy; }
  bool PastLastRow() const { return y_ >= format_.height; }

 private:
  const BmpFormat& format_;
  TacMemBitmap& bitmap_;
  int64_t x_ = 0;
  int64_t y_ = 0;
};

void DecodeRunLength(std::span<const uint8_t> file, const BmpFormat& format, TacMemBitmap& bitmap) {
  const Bgr background = PaletteColor(format, 0);
  for (int y = 0; y < format.height; ++y) {
    for (int x = 0; x < format.width; ++x) Put(bitmap.Row(y), x, background);
  }
  const std::span<const uint8_t> data = file.subspan(format.pixelOffset);
  const bool nibbles = format.compression == kRle4;
  RleWriter out(format, bitmap);
  size_t pos = 0;
  for (;;) {
    if (data.size() - pos < 2) {
      // Some writers stop after the last row without the end-of-bitmap code.
      if (out.PastLastRow()) return;
      Invalid("the pixel data is cut short");
    }
    const unsigned count = data[pos];
    const unsigned code = data[pos + 1];
    pos += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) out.Put(!nibbles ? code : i % 2 == 0 ? code >> 4 : code & 15);
    } else if (code == 0) {
      out.EndLine();
    } else if (code == 1) {
      return;
    } else if (code == 2) {
      Need(data, pos, 2, "the pixel data");
      out.Move(data[pos], data[pos + 1]);
      pos += 2;
    } else {
      const size_t bytes = nibbles ? (code + 1) / 2 : code;
      Need(data, pos, bytes, "the pixel data");
      for (unsigned i = 0; i < code; ++i) {
        out.Put(!nibbles ? data[pos + i] : i % 2 == 0 ? data[pos + i / 2] >> 4 : data[pos + i / 2] & 15);
      }
      pos = std::min(data.size(), pos + ((bytes + 1) & ~size_t{1}));  // runs are padded to 16 bits
    }
  }
}

}  // namespace

TacMemBitmap DecodeBmp(std::span<const uint8_t> file) {
  const BmpFormat format = ReadFormat(file);
  if (format.compression != kRle8 && format.compression != kRle4) return DecodeUncompressed(file, format);
  // A few bytes of run-length data may rightly stand for a big picture (runs and skips), so
  // only the size limits guard its allocation.
  TacMemBitmap bitmap = NewBitmap24(format.width, format.height);
  DecodeRunLength(file, format, bitmap);
  return bitmap;
}

}  // namespace sundrel
