// Writes 24-bit pictures as PNG files for people to look at: test screenshots, the skin's art and
// its gallery.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sundrel {

// `rgb` holds width * height pixels, top row first, three bytes (red, green, blue) each. Raises
// std::runtime_error when the file cannot be written.
void WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace sundrel
