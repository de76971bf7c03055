// JPEG images (the textures a skin may name), decoded with libjpeg into 24-bit pictures.
#pragma once

#include <cstdint>
#include <span>

#include "paint/pixels.h"
#include "skin/image/image_limits.h"

namespace sundrel {

bool LooksLikeJpeg(std::span<const uint8_t> file);

// Greyscale, YCbCr and RGB images are read; others (CMYK) are refused. Raises EInvalidGraphic
// "JPEG image is not valid (<reason>)" for damaged or cut-short data and for sizes over the
// limits, before any pixel memory is taken.
TacMemBitmap DecodeJpeg(std::span<const uint8_t> file);

}  // namespace sundrel
