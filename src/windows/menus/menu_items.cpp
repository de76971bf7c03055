#include "windows/menus/menu_items.h"

#include <algorithm>

namespace sundrel {

TsMenuItemType ItemTypeOf(const std::string& caption) {
  if (caption == "-") return smDivider;
  if (caption.size() > 1 && caption.front() == '-' && caption.back() == '-') return smCaption;
  return smNormal;
}

TItemTexts ItemTextsOf(const std::string& caption) {
  const size_t tab = caption.find('\t');
  if (tab == std::string::npos) return {caption, {}};
  return {caption.substr(0, tab), caption.substr(tab + 1)};
}

std::string CaptionItemText(const std::string& caption) {
  const size_t start = caption.find_first_not_of('-');
  if (start == std::string::npos) return {};
  return caption.substr(start, caption.find('-', start) - start);
}

int ItemHeightFor(TsMenuItemType type, int textHeight, int margin) {
  if (type == smDivider) return 2;
  // 1.25 times is a whole number of quarters: rounded exactly, a half to the even neighbour.
  int text = 5 * textHeight / 4;
  const int quarters = 5 * textHeight % 4;
  if (quarters > 2 || (quarters == 2 && text % 2 != 0)) ++text;
  return (type == smCaption ? text : std::max(text, kMenuGlyphSize)) + 2 * margin;
}

TMenuItem& FirstItemOf(TMenuItem& item) {
  TMenuItem* parent = item.Parent();
  return parent != nullptr && parent->Count() > 0 ? *parent->Items(0) : item;
}

namespace {

// The nearest visible sibling before the item (step -1) or after it (step 1), or none.
const TMenuItem* VisibleSibling(const TMenuItem& item, int step) {
  const TMenuItem* parent = item.Parent();
  if (parent == nullptr) return nullptr;
  for (int i = item.MenuIndex() + step; i >= 0 && i < parent->Count(); i += step) {
    if (parent->Items(i)->Visible()) return parent->Items(i);
  }
  return nullptr;
}

}  // namespace

bool IsFirstVisible(const TMenuItem& item) {
  return VisibleSibling(item, -1) == nullptr;
}

bool IsLastVisible(const TMenuItem& item) {
  return VisibleSibling(item, 1) == nullptr;
}

bool EndsColumn(const TMenuItem& item) {
  const TMenuItem* next = VisibleSibling(item, 1);
  return next == nullptr || next->Break();
}

bool IsInFirstColumn(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  if (parent == nullptr) return !item.Break();
  for (int i = 0; i <= item.MenuIndex(); ++i) {
    if (parent->Items(i)->Break()) return false;
  }
  return true;
}

TCustomForm* FormOf(const TMenuItem& item) {
  for (TComponent* owner = item.Owner(); owner != nullptr; owner = owner->Owner()) {
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form;
  }
  return nullptr;
}

}  // namespace sundrel
