// Values that a section takes from the sections named by its "PARENTCLASS" chain when it does not
// give them itself. An integer of -1 (or one that is not a number) and a text of "?" count as not
// given. A chain that comes back to a section it already passed ends there, without a value.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "skin/options/options_text.h"

namespace sundrel {

class InheritedValues {
 public:
  explicit InheritedValues(const OptionsText& options) : options_(options) {}

  std::optional<int32_t> Integer(int section, std::string_view key) const;
  std::optional<std::string_view> Text(int section, std::string_view key) const;
  // A text value; true only for "TRUE" in any case.
  std::optional<bool> Boolean(int section, std::string_view key) const;

 private:
  enum Kind { kInteger, kText };
  // Index of the section whose value the given one ends up with, or -1. Each answer is kept for
  // every section of the walked chain, so a long chain is walked once per key, not once per
  // section.
  int Supplier(int section, std::string_view key, Kind kind) const;

  const OptionsText& options_;
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
  };
  // By kind, then by the key as asked (a key asked in another case simply gets its own entry).
  mutable std::unordered_map<std::string, std::vector<int>, Hash, std::equal_to<>> suppliers_[2];
  mutable std::vector<int> path_;
};

}  // namespace sundrel
