// Part file names, "<base>.vexl<N>": reading them, putting chosen parts in order, finding the
// rest of a set beside its first part and the first part missing from a list. Like the split
// that writes them, the extension is matched with its letter case, so "x.VEXL3" is no part.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sundrel {

inline constexpr const char* kPartExtension = ".vexl";

struct PartName {
  std::string base;  // everything before ".vexl", folder included
  int32_t number = 0;
};

std::string PartPath(const std::string& base, int32_t number);

// A part name ends in ".vexl" and a number as the split writes it: decimal digits without a
// leading zero, from 1 to the largest 32-bit count.
std::optional<PartName> ParsePartName(const std::string& path);

// Files chosen together, in the order to join them: the parts of each set by number (".vexl2"
// before ".vexl10"), the sets in the order their first file was chosen, then the files that are
// no parts in the order they came. Nothing is dropped: the same part chosen twice stays twice.
std::vector<std::string> OrderChosenFiles(const std::vector<std::string>& paths);

// The parts that follow a set's first part on disk: "<base>.vexl2", "<base>.vexl3", ... up to
// the first one missing. Nothing when the path is not the first part of a set.
std::vector<std::string> FindFollowingParts(const std::string& firstPart);

// The parts "<base>.vexl<k>" with k above the part count that are files in the base's folder
// (an earlier split into more parts left them), by number.
std::vector<std::string> HigherPartsOnDisk(const std::string& base, int32_t partCount);

// The first part that the listed parts skip, for each set in the order it appears: with
// ".vexl1", ".vexl2" and ".vexl4" listed, "<base>.vexl3". Parts missing after a set's highest
// listed number cannot be told from the list and are not reported.
std::optional<std::string> FirstMissingPart(const std::vector<std::string>& items);

}  // namespace sundrel
