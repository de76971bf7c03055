// A skin made in memory with the shape and size of the shipped one: 61 sections with its names
// and parent chains, about 12 KB of options, an 8-bit 300 x 212 master bitmap (64,678 bytes) and
// an 8-bit 288 x 192 "ButtonHuge.bmp" (56,374 bytes), both files the size of the shipped ones.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sundrel::bench {

struct SkinFiles {
  std::string options;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> images;
};

SkinFiles RealisticSkin();

}  // namespace sundrel::bench
