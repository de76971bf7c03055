#include "skin/skin_bitmap.h"

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

SkinBitmap::SkinBitmap(int width, int height) {
  CheckImageSize("Bitmap", width, height);
  width_ = width;
  height_ = height;
  stride_ = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  bits_.assign(stride_ * static_cast<size_t>(height), 0);
}

}  // namespace sundrel
