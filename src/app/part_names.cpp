#include "app/part_names.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <set>

#include "base/errors.h"
#include "base/os_file.h"
#include "base/path_text.h"

namespace sundrel {

namespace {

struct PartSet {
  std::string base;
  std::vector<int32_t> numbers;  // in list order, as often as each was listed
};

// The sets that the parts among the paths belong to, in the order each first appears; the sets
// are told apart by their base text, so the same name in two folders makes two sets.
std::vector<PartSet> SetsInOrder(const std::vector<std::string>& paths) {
  std::vector<PartSet> sets;
  for (const std::string& path : paths) {
    const std::optional<PartName> part = ParsePartName(path);
    if (!part) continue;
    auto set = std::find_if(sets.begin(), sets.end(), [&](const PartSet& s) { return s.base == part->base; });
    if (set == sets.end()) set = sets.insert(sets.end(), {part->base, {}});
    set->numbers.push_back(part->number);
  }
  return sets;
}

std::vector<int32_t> Sorted(std::vector<int32_t> numbers) {
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

// The size of the file, or -1 when it cannot be opened.
int64_t SizeOf(FileSystem& files, const std::string& path) {
  const OpenResult opened = files.Open(path, FileMode::OpenRead, FileShare::DenyNone);
  return opened.file ? opened.file->Seek(0, SeekOrigin::End) : -1;
}

std::string Named(const char* text, const std::string& part) {
  return FormatText(text, {ExtractFileName(part)});
}

// The most common size, the larger one among equally common: a part cut short is the likely
// odd one out.
int64_t CommonSize(const std::map<int32_t, int64_t>& sizes) {
  std::map<int64_t, int> counts;
  for (const auto& [number, size] : sizes) ++counts[size];
  int64_t common = -1;
  int best = 0;
  for (const auto& [size, count] : counts) {
    if (count >= best) common = size, best = count;
  }
  return common;
}

void CheckSizes(FileSystem& files, const PartSet& set, const std::set<int32_t>& listed, bool lastListed,
                std::vector<MergeFinding>& findings) {
  const int32_t highest = *listed.rbegin();
  std::map<int32_t, int64_t> below;  // the parts that must all have the split's part size
  int64_t lastSize = -1;
  for (const int32_t number : listed) {
    const int64_t size = SizeOf(files, PartPath(set.base, number));
    if (size < 0) continue;
    if (lastListed && number == highest) {
      lastSize = size;
    } else {
      below[number] = size;
    }
  }
  if (below.empty()) return;
  const int64_t partSize = CommonSize(below);
  for (const auto& [number, size] : below) {
    const std::string path = PartPath(set.base, number);
    if (size < partSize) findings.push_back({MergeFindingKind::CutShort, path, Named(SPartCutShort, path)});
    if (size > partSize) findings.push_back({MergeFindingKind::Larger, path, Named(SPartLarger, path)});
  }
  if (lastSize < 0) return;
  const std::string path = PartPath(set.base, highest);
  if (lastSize < partSize) findings.push_back({MergeFindingKind::CutShort, path, Named(SPartCutShort, path)});
  if (lastSize > partSize + highest - 1) {
    findings.push_back({MergeFindingKind::TooLarge, path, Named(SPartTooLarge, path)});
  }
}

void CheckSet(FileSystem& files, const PartSet& set, std::vector<MergeFinding>& findings) {
  std::set<int32_t> listed;
  std::set<int32_t> twice;
  int32_t highest = 0;
  for (const int32_t number : set.numbers) {
    const std::string path = PartPath(set.base, number);
    if (listed.count(number)) {
      if (twice.insert(number).second)
        findings.push_back({MergeFindingKind::ListedTwice, path, Named(SPartListedTwice, path)});
      continue;
    }
    if (number < highest) {
      findings.push_back(
          {MergeFindingKind::OutOfOrder, path,
           FormatText(SPartOutOfOrder, {ExtractFileName(path), ExtractFileName(PartPath(set.base, highest))})});
    }
    listed.insert(number);
    highest = std::max(highest, number);
  }
  for (int32_t number = 1; number < highest; ++number) {
    if (listed.count(number)) continue;
    int32_t last = number;
    while (!listed.count(last + 1)) ++last;
    const std::string first = PartPath(set.base, number);
    findings.push_back({MergeFindingKind::Missing, first,
                        last == number ? Named(SPartMissing, first)
                                       : FormatText(SPartsMissing, {ExtractFileName(first),
                                                                    ExtractFileName(PartPath(set.base, last))})});
    number = last;
  }
  const bool moreOnDisk = highest != INT32_MAX && files.FileExists(PartPath(set.base, highest + 1));
  if (moreOnDisk) {
    const std::string next = PartPath(set.base, highest + 1);
    findings.push_back({MergeFindingKind::NotListed, next, Named(SPartNotListed, next)});
  }
  CheckSizes(files, set, listed, !moreOnDisk, findings);
}

}  // namespace

std::string PartPath(const std::string& base, int32_t number) {
  return base + kPartExtension + std::to_string(number);
}

std::optional<PartName> ParsePartName(const std::string& path) {
  const size_t digits = path.find_last_not_of("0123456789") + 1;
  const std::string_view extension(kPartExtension);
  if (digits == path.size() || path[digits] == '0' || digits < extension.size() ||
      path.compare(digits - extension.size(), extension.size(), extension) != 0) {
    return std::nullopt;
  }
  int32_t number = 0;
  const auto [end, error] = std::from_chars(path.data() + digits, path.data() + path.size(), number);
  if (error != std::errc()) return std::nullopt;
  return PartName{path.substr(0, digits - extension.size()), number};
}

std::vector<std::string> OrderChosenFiles(const std::vector<std::string>& paths) {
  // A part's path is its base and number written back, so the sets give back the very paths.
  std::vector<std::string> ordered;
  for (const PartSet& set : SetsInOrder(paths)) {
    for (const int32_t number : Sorted(set.numbers)) ordered.push_back(PartPath(set.base, number));
  }
  for (const std::string& path : paths) {
    if (!ParsePartName(path)) ordered.push_back(path);
  }
  return ordered;
}

std::vector<std::string> FindFollowingParts(const std::string& firstPart) {
  const std::optional<PartName> part = ParsePartName(firstPart);
  if (!part || part->number != 1) return {};
  FileSystem& files = CurrentFileSystem();
  std::vector<std::string> following;
  for (int32_t number = 2; number != INT32_MAX; ++number) {
    std::string path = PartPath(part->base, number);
    if (!files.FileExists(path)) break;
    following.push_back(std::move(path));
  }
  return following;
}

std::vector<std::string> HigherPartsOnDisk(const std::string& base, int32_t partCount) {
  FileSystem& files = CurrentFileSystem();
  const std::string folder = ExtractFilePath(base);
  const std::string name = ExtractFileName(base);
  std::vector<int32_t> numbers;
  // The listing of the folder the parts go to; an empty folder text means the current one.
  for (const FolderEntry& entry : files.ListFolder(folder.empty() ? "." : folder)) {
    const std::optional<PartName> part = ParsePartName(entry.name);
    if (!entry.isFolder && part && part->base == name && part->number > partCount) numbers.push_back(part->number);
  }
  std::sort(numbers.begin(), numbers.end());
  std::vector<std::string> paths;
  for (const int32_t number : numbers) paths.push_back(PartPath(base, number));
  return paths;
}

std::optional<std::string> FirstMissingPart(const std::vector<std::string>& items) {
  for (const PartSet& set : SetsInOrder(items)) {
    int32_t expected = 1;
    for (const int32_t number : Sorted(set.numbers)) {
      if (number > expected) return PartPath(set.base, expected);
      if (number == expected) ++expected;  // a part listed twice is no gap
    }
  }
  return std::nullopt;
}

}  // namespace sundrel

namespace sundrel {

std::vector<MergeFinding> CheckMergeList(const std::vector<std::string>& items) {
  FileSystem& files = CurrentFileSystem();
  std::vector<MergeFinding> findings;
  for (const PartSet& set : SetsInOrder(items)) CheckSet(files, set, findings);
  return findings;
}

}  // namespace sundrel
