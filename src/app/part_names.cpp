#include "app/part_names.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <set>

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
