// Writes 24-bit pictures as PNG files, for screenshots people can look at.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sundrel::e2e {

// `rgb` holds width * height pixels, top row first, three bytes (red, green, blue) each.
void WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace sundrel::e2e
