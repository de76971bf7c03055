#include "skin/options/options_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/int_parse.h"

namespace sundrel {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return text.substr(begin, end - begin);
}

std::optional<double> ParseReal(std::string_view text) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  if (text.empty() || !(text[0] == '-' || text[0] == '.' || (text[0] >= '0' && text[0] <= '9'))) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Upper(c);
  return out;
}

bool SameTextNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

size_t OptionsText::NoCaseHash::operator()(std::string_view text) const {
  uint64_t hash = 14695981039346656037ull;
  for (char c : text) hash = (hash ^ static_cast<unsigned char>(Upper(c))) * 1099511628211ull;
  return static_cast<size_t>(hash);
}

bool OptionsText::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
  return SameTextNoCase(a, b);
}

OptionsText::OptionsText(std::string_view text) : text_(std::make_unique<const std::string>(text)) {
  std::string_view all = *text_;
  // Editors that save UTF-8 may put a byte-order mark first; it would make the first line no
  // section and drop that section.
  if (all.starts_with(kUtf8ByteOrderMark)) all.remove_prefix(kUtf8ByteOrderMark.size());
  int open = -1;  // none before the first section, and none in a repeated one, whose keys nobody sees
  size_t start = 0;
  while (start <= all.size()) {
    size_t end = start;
    while (end < all.size() && all[end] != '\r' && all[end] != '\n') ++end;
    AddLine(all.substr(start, end - start), open);
    start = end + 1;
  }
  IndexKeys();
  LinkParents();
}

void OptionsText::AddLine(std::string_view line, int& open) {
  line = Trim(line);
  if (line.empty() || line[0] == ';') return;
  if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
    const std::string_view name = Trim(line.substr(1, line.size() - 2));
    listing_.push_back(name);
    const auto [it, added] = sectionByName_.try_emplace(name, static_cast<int>(sections_.size()));
    open = added ? it->second : -1;
    if (added) sections_.push_back({name, entries_.size(), 0, -1});
    return;
  }
  const size_t equals = line.find('=');
  if (open < 0 || equals == std::string_view::npos) return;
  Entry entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
  const auto key =
      static_cast<OptionsKey>(keyByName_.try_emplace(entry.key, static_cast<int>(keyByName_.size())).first->second);
  keyed_.push_back({key, entries_.size()});
  entries_.push_back(entry);
  ++sections_[open].entryCount;
}

void OptionsText::IndexKeys() {
  for (const Section& section : sections_) {
    const auto begin = keyed_.begin() + static_cast<ptrdiff_t>(section.firstEntry);
    const auto end = begin + static_cast<ptrdiff_t>(section.entryCount);
    std::sort(begin, end, [](const KeyedEntry& a, const KeyedEntry& b) {
      return a.key != b.key ? a.key < b.key : a.entry < b.entry;
    });
    // A key written twice in a section reads as its first value, in the listing too.
    for (auto it = begin; it != end; ++it) {
      if (it != begin && it[-1].key == it->key) entries_[it->entry].value = entries_[it[-1].entry].value;
    }
  }
}

void OptionsText::LinkParents() {
  for (size_t i = 0; i < sections_.size(); ++i) {
    const auto parent = Value(static_cast<int>(i), "PARENTCLASS");
    if (!parent || parent->empty()) continue;
    const int index = FindSection(*parent);
    sections_[i].parent = index == static_cast<int>(i) ? -1 : index;
  }
}

int OptionsText::FindSection(std::string_view name) const {
  const auto it = sectionByName_.find(name);
  return it == sectionByName_.end() ? -1 : it->second;
}

std::span<const OptionsText::Entry> OptionsText::Entries(int section) const {
  if (section < 0) return {};
  const Section& s = sections_[section];
  return std::span<const Entry>(entries_).subspan(s.firstEntry, s.entryCount);
}

OptionsKey OptionsText::FindKey(std::string_view key) const {
  const auto it = keyByName_.find(key);
  return it == keyByName_.end() ? OptionsKey::None : static_cast<OptionsKey>(it->second);
}

std::optional<std::string_view> OptionsText::Value(int section, OptionsKey key) const {
  if (section < 0 || key == OptionsKey::None) return std::nullopt;
  const Section& s = sections_[section];
  const auto begin = keyed_.begin() + static_cast<ptrdiff_t>(s.firstEntry);
  const auto end = begin + static_cast<ptrdiff_t>(s.entryCount);
  const auto it = std::lower_bound(begin, end, key, [](const KeyedEntry& e, OptionsKey k) { return e.key < k; });
  if (it == end || it->key != key) return std::nullopt;
  return entries_[it->entry].value;
}

std::string OptionsText::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  return std::string(Value(section, key).value_or(fallback));
}

int32_t OptionsText::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const {
  const auto value = Value(section, key);
  return value ? StrToIntDef(*value, fallback) : fallback;
}

int32_t OptionsText::ReadStrictInteger(std::string_view section, std::string_view key,
                                       std::string_view fallbackText) const {
  return StrToInt(Value(section, key).value_or(fallbackText));
}

double OptionsText::ReadReal(std::string_view section, std::string_view key, double fallback) const {
  const auto value = Value(section, key);
  return value ? ParseReal(*value).value_or(fallback) : fallback;
}

}  // namespace sundrel
