// Values that a section takes from the sections named by its "PARENTCLASS" chain when it does not
// give them itself. An integer of -1 (or one that is not a number) and a text of "?" count as not
// given. A chain that comes back to a section it already passed ends there, without a value.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "skin/options/options_text.h"

namespace sundrel {

class InheritedValues {
 public:
  explicit InheritedValues(const OptionsText& options);

  // Keys are asked by number (OptionsText::FindKey); a key that no section gives has none.
  std::optional<int32_t> Integer(int section, OptionsKey key) const;
  std::optional<std::string_view> Text(int section, OptionsKey key) const;
  // A text value; true only for "TRUE" in any case.
  std::optional<bool> Boolean(int section, OptionsKey key) const;

 private:
  enum Kind { kInteger, kText };
  // What one key, asked as one kind, gives the sections: by section, the index of the section
  // whose value it ends up with, or -1; for integers, also the value of each section that gives
  // one, read once. Made when the key is first asked.
  struct Row {
    std::vector<int> supplier;
    std::vector<int32_t> number;
  };
  // Index of the section whose value the given one ends up with, or -1. Each answer is kept for
  // every section of the walked chain, so a long chain is walked once per key, not once per
  // section.
  int Supplier(int section, OptionsKey key, Kind kind) const;
  // Whether the section gives the key itself; an integer it gives is kept in the row.
  bool Gives(int section, OptionsKey key, Kind kind, Row& row) const;

  const OptionsText& options_;
  mutable std::vector<Row> rows_[2];  // by kind, then by key number
  mutable std::vector<int> path_;
};

}  // namespace sundrel
