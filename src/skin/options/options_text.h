// The options text of a skin ("Options.dat"): lines grouped into "[SECTION]"s, each line of a
// section "KEY=value". Section and key names are matched without regard to case; values are read
// as text, integers, colours, booleans or real numbers.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sundrel {

// A key as the options text numbers it: keys that differ only in case have the same number.
enum class OptionsKey : int32_t { None = -1 };

class OptionsText {
 public:
  struct Entry {
    std::string_view key;
    // What a lookup of the key gives: for a key written twice in a section, the first value.
    std::string_view value;
  };

  // Lines end in CR, LF or CR LF. Each line is trimmed of blanks and control characters; empty
  // lines, lines beginning with ";" and lines before the first section are ignored. The key is
  // the trimmed text before the first "=", the value the trimmed rest; a line without "=" defines
  // no key. A UTF-8 byte-order mark before the first line is skipped.
  explicit OptionsText(std::string_view text);

  // Every section in order of appearance; a section written twice is listed twice.
  const std::vector<std::string_view>& SectionNames() const { return listing_; }

  // Sections counted once however often they are written.
  int SectionCount() const { return static_cast<int>(sections_.size()); }
  // Keys counted once however often, and in whatever case, they are written: their numbers run
  // from 0 to KeyCount() - 1.
  int KeyCount() const { return static_cast<int>(keyByName_.size()); }
  // Index of a section's first occurrence, or -1. Values are always read from there.
  int FindSection(std::string_view name) const;
  // The keys of a section's first occurrence in file order; none for an unknown section (-1).
  std::span<const Entry> Entries(int section) const;
  // The section named by "PARENTCLASS" in a section, or -1 when it names none, an unknown
  // section or the section itself.
  int ParentOf(int section) const { return section < 0 ? -1 : sections_[section].parent; }

  // Calls visit(section, key, value) for every key of every listed section, in file order. A
  // section written twice is visited twice, with the keys and values of its first occurrence,
  // which is what every lookup sees.
  template <class Visit>
  void ForEachValue(Visit&& visit) const {
    for (const std::string_view section : listing_) {
      const int index = FindSection(section);
      for (const Entry& entry : Entries(index)) visit(section, entry.key, entry.value);
    }
  }

  // The number of a key, None when no section gives it. Whoever reads one key in many sections
  // looks its name up once and then asks by number.
  OptionsKey FindKey(std::string_view key) const;

  // The value of the first such key in the section, or nothing.
  std::optional<std::string_view> Value(int section, OptionsKey key) const;
  std::optional<std::string_view> Value(int section, std::string_view key) const {
    return Value(section, FindKey(key));
  }
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const {
    return Value(FindSection(section), key);
  }

  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // A value that is not a valid integer gives the fallback.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  // Raises EConvertError "'<value>' is not a valid integer value"; a missing key reads as
  // fallbackText.
  int32_t ReadStrictInteger(std::string_view section, std::string_view key, std::string_view fallbackText) const;
  // "." is the decimal separator whatever the system's settings; a value that is not a number
  // gives the fallback.
  double ReadReal(std::string_view section, std::string_view key, double fallback) const;

 private:
  struct Section {
    std::string_view name;
    size_t firstEntry = 0;
    size_t entryCount = 0;
    int parent = -1;
  };
  struct NoCaseHash {
    size_t operator()(std::string_view text) const;
  };
  struct NoCaseEqual {
    bool operator()(std::string_view a, std::string_view b) const;
  };
  using NoCaseMap = std::unordered_map<std::string_view, int, NoCaseHash, NoCaseEqual>;

  struct KeyedEntry {
    OptionsKey key;
    size_t entry;
  };

  void AddLine(std::string_view line, int& open);
  void IndexKeys();
  void LinkParents();

  // The views point into this copy, which stays in place when the object moves.
  std::unique_ptr<const std::string> text_;
  std::vector<std::string_view> listing_;
  std::vector<Section> sections_;
  std::vector<Entry> entries_;
  NoCaseMap sectionByName_;
  NoCaseMap keyByName_;  // to OptionsKey numbers
  // Each section's entries again, in the same places, sorted by key number and then by position:
  // a value is found by a binary search among its section's keys, with no hashing.
  std::vector<KeyedEntry> keyed_;
};

// ASCII upper case, as the skin's names are compared.
std::string UpperCase(std::string_view text);
bool SameTextNoCase(std::string_view a, std::string_view b);

}  // namespace sundrel
