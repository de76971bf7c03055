#include "skin/decoded_images.h"

#include "skin/bmp_decoder.h"
#include "skin/jpeg_decoder.h"

namespace sundrel {

namespace {

std::optional<SkinBitmap> Decode(std::optional<std::span<const uint8_t>> file) {
  if (!file) return std::nullopt;
  try {
    return LooksLikeJpeg(*file) ? DecodeJpeg(*file) : DecodeBmp(*file);
  } catch (const EInvalidGraphic&) {
    return std::nullopt;
  }
}

}  // namespace

const SkinBitmap* DecodedImages::Find(std::string_view name) {
  std::string key(name);
  auto it = pictures_.find(key);
  if (it == pictures_.end()) it = pictures_.emplace(std::move(key), Decode(source_.FindImage(name))).first;
  return it->second ? &*it->second : nullptr;
}

}  // namespace sundrel
