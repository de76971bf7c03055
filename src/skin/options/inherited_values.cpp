#include "skin/options/inherited_values.h"

#include "base/int_parse.h"

namespace sundrel {

namespace {

constexpr int kUnknown = -2;
constexpr int kOnPath = -3;

}  // namespace

int InheritedValues::Supplier(int section, std::string_view key, Kind kind) const {
  if (section < 0) return -1;
  auto& byKey = suppliers_[kind];
  auto it = byKey.find(key);
  if (it == byKey.end())
    it = byKey.emplace(std::string(key), std::vector<int>(options_.SectionCount(), kUnknown)).first;
  std::vector<int>& suppliers = it->second;

  path_.clear();
  int found = -1;
  for (int s = section; s >= 0; s = options_.ParentOf(s)) {
    if (suppliers[s] == kOnPath) break;  // the chain came back to itself
    if (suppliers[s] != kUnknown) {
      found = suppliers[s];
      break;
    }
    const auto value = options_.Value(s, key);
    const bool given = value && (kind == kText ? *value != "?" : StrToIntDef(*value, -1) != -1);
    if (given) {
      found = s;
      break;
    }
    suppliers[s] = kOnPath;
    path_.push_back(s);
  }
  for (int s : path_) suppliers[s] = found;
  return found;
}

std::optional<int32_t> InheritedValues::Integer(int section, std::string_view key) const {
  const int supplier = Supplier(section, key, kInteger);
  if (supplier < 0) return std::nullopt;
  return StrToIntDef(*options_.Value(supplier, key), -1);
}

std::optional<std::string_view> InheritedValues::Text(int section, std::string_view key) const {
  const int supplier = Supplier(section, key, kText);
  if (supplier < 0) return std::nullopt;
  return options_.Value(supplier, key);
}

std::optional<bool> InheritedValues::Boolean(int section, std::string_view key) const {
  const auto text = Text(section, key);
  if (!text) return std::nullopt;
  return SameTextNoCase(*text, "TRUE");
}

}  // namespace sundrel
