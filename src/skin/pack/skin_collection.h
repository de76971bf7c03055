// An ordered collection that owns its items, as the stored-skin classes publish them: items
// keep their place in memory while others are added, and assigning copies every item.
#pragma once

#include <memory>
#include <stdexcept>
#include <vector>

namespace sundrel {

template <class Item>
class TsCollection {
 public:
  TsCollection() = default;
  TsCollection(const TsCollection& other) { Assign(other); }
  TsCollection& operator=(const TsCollection& other) {
    if (this != &other) Assign(other);
    return *this;
  }
  TsCollection(TsCollection&&) noexcept = default;
  TsCollection& operator=(TsCollection&&) noexcept = default;

  Item& Add() { return *items_.emplace_back(std::make_unique<Item>()); }
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises std::out_of_range for an index outside 0 .. Count() - 1.
  Item& Items(int index) { return *items_.at(static_cast<size_t>(index)); }
  const Item& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }

  // The collection's standard assignment: the same number of items, each a copy.
  void Assign(const TsCollection& source) {
    std::vector<std::unique_ptr<Item>> copies;
    copies.reserve(source.items_.size());
    for (const auto& item : source.items_) copies.push_back(std::make_unique<Item>(*item));
    items_ = std::move(copies);
  }

 private:
  std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace sundrel
