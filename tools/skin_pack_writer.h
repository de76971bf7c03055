// Writing skin packs ("ASzf"), for the build: the program itself only reads them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sundrel {

struct PackSource {
  std::string name;  // the entry name, for example "Options.dat" or "Master.bmp"
  std::vector<uint8_t> bytes;
};

// The pack of the entries in the given order: each entry's name, its size and one complete
// zlib stream, with the next entry right after the stream's check value. Refuses (raising
// std::invalid_argument) what the reader would refuse or could not use: no "Options.dat" or
// more than one, empty or overlong names, entries that unpack beyond the reader's limit.
std::vector<uint8_t> WriteSkinPack(const std::vector<PackSource>& entries);

}  // namespace sundrel
