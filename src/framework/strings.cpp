#include "framework/strings.h"

#include <stdexcept>

namespace sundrel {

void TStrings::AddStrings(const TStrings& other) {
  // Read first: the other list may be this one.
  for (const std::string& item : other.ToVector()) Add(item);
}

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> items;
  items.reserve(static_cast<size_t>(Count()));
  for (int i = 0; i < Count(); ++i) items.push_back(Get(i));
  return items;
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("List index out of bounds");
  items_.erase(items_.begin() + index);
}

}  // namespace sundrel
