#include "skin/options/inherited_values.h"

#include "base/int_parse.h"

namespace sundrel {

namespace {

constexpr int kUnknown = -2;
constexpr int kOnPath = -3;

}  // namespace

InheritedValues::InheritedValues(const OptionsText& options) : options_(options) {
  for (auto& byKey : rows_) byKey.resize(options.KeyCount());
}

int InheritedValues::Supplier(int section, OptionsKey key, Kind kind) const {
  if (section < 0 || key == OptionsKey::None) return -1;
  Row& row = rows_[kind][static_cast<size_t>(key)];
  std::vector<int>& suppliers = row.supplier;
  if (suppliers.empty()) {
    suppliers.assign(options_.SectionCount(), kUnknown);
    if (kind == kInteger) row.number.resize(suppliers.size());
  }

  path_.clear();
  int found = -1;
  for (int s = section; s >= 0; s = options_.ParentOf(s)) {
    if (suppliers[s] == kOnPath) break;  // the chain came back to itself
    if (suppliers[s] != kUnknown) {
      found = suppliers[s];
      break;
    }
    if (Gives(s, key, kind, row)) {
      found = s;
      break;
    }
    suppliers[s] = kOnPath;
    path_.push_back(s);
  }
  for (int s : path_) suppliers[s] = found;
  return found;
}

bool InheritedValues::Gives(int section, OptionsKey key, Kind kind, Row& row) const {
  const auto value = options_.Value(section, key);
  if (!value) return false;
  if (kind == kText) return *value != "?";
  const int32_t number = StrToIntDef(*value, -1);
  row.number[section] = number;
  return number != -1;
}

std::optional<int32_t> InheritedValues::Integer(int section, OptionsKey key) const {
  const int supplier = Supplier(section, key, kInteger);
  if (supplier < 0) return std::nullopt;
  return rows_[kInteger][static_cast<size_t>(key)].number[supplier];
}

std::optional<std::string_view> InheritedValues::Text(int section, OptionsKey key) const {
  const int supplier = Supplier(section, key, kText);
  if (supplier < 0) return std::nullopt;
  return options_.Value(supplier, key);
}

std::optional<bool> InheritedValues::Boolean(int section, OptionsKey key) const {
  const auto text = Text(section, key);
  if (!text) return std::nullopt;
  return SameTextNoCase(*text, "TRUE");
}

}  // namespace sundrel
