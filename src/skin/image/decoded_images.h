// The pictures of a skin's image files, each decoded once however many keys name it. The format
// is told by the file's first bytes (JPEG, else BMP), not by its name.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "paint/pixels.h"
#include "skin/image/skin_image_source.h"
#include "skin/model/skin_records.h"

namespace sundrel {

// The picture in a file's bytes, or none when they cannot be decoded (no bytes included).
SharedPicture DecodePicture(std::span<const uint8_t> file);

class DecodedImages {
 public:
  explicit DecodedImages(SkinImageSource& source) : source_(source) {}

  // The picture of the named file, or none when the file is missing or cannot be decoded: a key
  // whose image is damaged is skipped like one whose image is missing, and the skin still loads.
  SharedPicture Find(std::string_view name);

 private:
  SkinImageSource& source_;
  std::unordered_map<std::string, SharedPicture> pictures_;
};

}  // namespace sundrel
