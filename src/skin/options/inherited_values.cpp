#include "skin/options/inherited_values.h"

#include "base/int_parse.h"

namespace sundrel {

namespace {

constexpr int kUnknown = -2;
constexpr int kOnPath = -3;

}  // namespace

InheritedValues::InheritedValues(const OptionsText& options) : options_(options) {
  for (auto& byKey : suppliers_) byKey.resize(options.KeyCount());
}

int InheritedValues::Supplier(int section, OptionsKey key, Kind kind) const {
  if (section < 0 || key == OptionsKey::None) return -1;
  std::vector<int>& suppliers = suppliers_[kind][static_cast<size_t>(key)];
  if (suppliers.empty()) suppliers.assign(options_.SectionCount(), kUnknown);

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

std::optional<int32_t> InheritedValues::Integer(int section, OptionsKey key) const {
  const int supplier = Supplier(section, key, kInteger);
  if (supplier < 0) return std::nullopt;
  return StrToIntDef(*options_.Value(supplier, key), -1);
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
