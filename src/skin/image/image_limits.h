// Images come from untrusted files: the limits that keep a forged header from demanding a giant
// allocation, and the error that a file which cannot be decoded raises.
#pragma once

#include <cstdint>
#include <string>

#include "base/errors.h"

namespace sundrel {

// Raised for image data that cannot be decoded; the message says what is wrong.
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};

// Generous for any skin (the largest real images are screen-sized backgrounds), small enough that
// a forged header cannot demand a giant allocation.
inline constexpr int kMaxImageSide = 32768;
inline constexpr int64_t kMaxImagePixels = int64_t{4096} * 4096;

// Raises EInvalidGraphic "<kind> image is not valid (<width> x <height> pixels is too large)"
// (or "... has no pixels") unless a picture of that size may be made.
void CheckImageSize(const char* kind, int64_t width, int64_t height);

// "<kind> image is not valid (<reason>)"
[[noreturn]] void ThrowInvalidImage(const char* kind, const std::string& reason);

}  // namespace sundrel
