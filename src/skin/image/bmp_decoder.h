// Windows bitmap files (".bmp") as skins carry them: 1, 4, 8, 16, 24 and 32 bits per pixel,
// bottom-up or top-down, uncompressed (with or without bit-field masks) or run-length encoded
// (RLE4, RLE8). Every depth becomes a 24-bit picture; colours are copied exactly, so the key
// colour clFuchsia stays clFuchsia whatever the depth it was stored in.
#pragma once

#include <cstdint>
#include <span>

#include "paint/pixels.h"
#include "skin/image/image_limits.h"

namespace sundrel {

// Raises EInvalidGraphic "Bitmap image is not valid (<reason>)" for a bad header, an
// unsupported format, a size over the limits or data that is cut short. Palette indexes
// beyond the colour table give black; pixels that run-length data skips take colour 0 of
// the table; the alpha byte of 32-bit pixels is dropped.
TacMemBitmap DecodeBmp(std::span<const uint8_t> file);

}  // namespace sundrel
