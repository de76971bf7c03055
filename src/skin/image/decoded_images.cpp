#include "skin/image/decoded_images.h"

#include "skin/image/bmp_decoder.h"
#include "skin/image/jpeg_decoder.h"

namespace sundrel {

SharedPicture DecodePicture(std::span<const uint8_t> file) {
  try {
    return std::make_shared<const TacMemBitmap>(LooksLikeJpeg(file) ? DecodeJpeg(file) : DecodeBmp(file));
  } catch (const EInvalidGraphic&) {
    return nullptr;
  }
}

SharedPicture DecodedImages::Find(std::string_view name) {
  std::string key(name);
  auto it = pictures_.find(key);
  if (it == pictures_.end()) {
    const auto file = source_.FindImage(name);
    it = pictures_.emplace(std::move(key), file ? DecodePicture(*file) : nullptr).first;
  }
  return it->second;
}

}  // namespace sundrel
