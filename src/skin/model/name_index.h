// First positions of table records by their exact (case-sensitive) names, so that a lookup by
// name costs one hash probe instead of a walk over the table.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace sundrel {

class NameIndex {
 public:
  void Clear() { positions_.clear(); }
  // An earlier position of the same name is kept.
  void Add(std::string_view name, int position) { positions_.try_emplace(std::string(name), position); }
  int Find(std::string_view name) const {
    const auto it = positions_.find(name);
    return it == positions_.end() ? -1 : it->second;
  }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
  };
  std::unordered_map<std::string, int, Hash, std::equal_to<>> positions_;
};

// The same, by a section name and a property name.
class NamePairIndex {
 public:
  void Clear() { positions_.clear(); }
  void Add(std::string_view section, std::string_view property, int position) {
    positions_.try_emplace(Key{std::string(section), std::string(property)}, position);
  }
  int Find(std::string_view section, std::string_view property) const {
    const auto it = positions_.find(KeyView{section, property});
    return it == positions_.end() ? -1 : it->second;
  }

 private:
  struct Key {
    std::string section;
    std::string property;
  };
  using KeyView = std::pair<std::string_view, std::string_view>;
  struct Hash {
    using is_transparent = void;
    size_t operator()(const KeyView& key) const {
      const std::hash<std::string_view> hash;
      return hash(key.first) * 31 + hash(key.second);
    }
    size_t operator()(const Key& key) const { return (*this)(KeyView{key.section, key.property}); }
  };
  struct Equal {
    using is_transparent = void;
    static KeyView View(const Key& key) { return {key.section, key.property}; }
    static KeyView View(const KeyView& key) { return key; }
    template <class A, class B>
    bool operator()(const A& a, const B& b) const {
      return View(a) == View(b);
    }
  };
  std::unordered_map<Key, int, Hash, Equal> positions_;
};

}  // namespace sundrel
