#include "skin/image/image_limits.h"

namespace sundrel {

void ThrowInvalidImage(const char* kind, const std::string& reason) {
  throw EInvalidGraphic(std::string(kind) + " image is not valid (" + reason + ")");
}

void CheckImageSize(const char* kind, int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) ThrowInvalidImage(kind, "it has no pixels");
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels) {
    ThrowInvalidImage(kind, std::to_string(width) + " x " + std::to_string(height) + " pixels is too large");
  }
}

}  // namespace sundrel
