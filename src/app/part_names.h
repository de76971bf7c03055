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

// What a merge list may hold that one split's parts joined in order would not. Each finding names
// the parts by their file names, in the window's language.
inline constexpr const char* SPartListedTwice = "局部文件 %s 列出了不止一次";
inline constexpr const char* SPartOutOfOrder = "局部文件 %s 排在 %s 之后";
inline constexpr const char* SPartMissing = "缺少局部文件 %s";
inline constexpr const char* SPartsMissing = "缺少局部文件 %s 至 %s";
inline constexpr const char* SPartCutShort = "局部文件 %s 比它前面的局部文件小，可能不完整";
inline constexpr const char* SPartLarger = "局部文件 %s 比同一组的其他局部文件大";
inline constexpr const char* SPartTooLarge = "局部文件 %s 比同一次分割的最后一个局部文件可能的大小还大";
inline constexpr const char* SPartNotListed = "同一组的局部文件 %s 也在这里却没有列出，这一组可能不完整";

enum class MergeFindingKind { ListedTwice, OutOfOrder, Missing, CutShort, Larger, TooLarge, NotListed };

struct MergeFinding {
  MergeFindingKind kind;
  std::string part;  // the path of the part it is about (the first one of a missing range)
  std::string text;
};

// Checks each set of parts in the list, in the order the sets appear: a part listed twice, a
// part listed after a higher one of its set, parts missing below the highest listed one, the
// part after the highest listed one present on disk, and sizes no split writes. A split of S
// bytes into N parts writes N - 1 parts of P = S / N bytes and a last one of P to P + N - 1;
// P is taken as the size most of the listed parts below the last share. A part whose size
// cannot be read is left to the merge to fail on. Files that are no parts are not checked.
std::vector<MergeFinding> CheckMergeList(const std::vector<std::string>& items);

}  // namespace sundrel
