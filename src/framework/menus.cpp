#include "framework/menus.h"

#include <algorithm>

#include "base/errors.h"
#include "base/handles_win32.h"
#include "base/utf.h"

namespace sundrel {

namespace {

UINT NextCommand() {
  static UINT command = 0;
  // Menu identifiers are 16 bits wide; 0 means "nothing chosen".
  command = command % 0xFFFF + 1;
  return command;
}

void AppendItems(HMENU menu, const TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem& item = *parent.Items(i);
    if (!item.Visible()) continue;
    if (item.IsLine()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT state = (item.Enabled() ? MF_ENABLED : MF_GRAYED) | (item.Checked() ? MF_CHECKED : MF_UNCHECKED);
    const std::wstring caption = ToWide(item.Caption());
    if (item.Count() > 0) {
      UniqueMenu submenu(CreatePopupMenu());
      AppendItems(submenu.get(), item);
      // The parent menu owns the submenu from here on.
      if (AppendMenuW(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(submenu.get()), caption.c_str())) {
        submenu.release();
      }
    } else {
      AppendMenuW(menu, MF_STRING | state, item.Command(), caption.c_str());
    }
  }
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  while (!items_.empty()) items_.back()->Free();
  if (parent_ != nullptr) parent_->Remove(this);
}

void TMenuItem::Add(TMenuItem* item) {
  if (item->parent_ != nullptr) item->parent_->Remove(item);
  items_.push_back(item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  item->parent_ = nullptr;
}

int TMenuItem::MenuIndex() const {
  if (parent_ == nullptr) return -1;
  const auto& siblings = parent_->items_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
  if (command == command_) return this;
  for (TMenuItem* item : items_) {
    if (TMenuItem* found = item->FindCommand(command)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (OnClick && enabled_) OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner), items_(new TMenuItem(this)), window_([](TMessage&) { return false; }) {}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) throw Exception("Out of system resources");
  AppendItems(menu.get(), *items_);
  const UINT command = static_cast<UINT>(TrackPopupMenuEx(
      menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, window_.Handle(), nullptr));
  menu.reset();
  if (command == 0) return;
  if (TMenuItem* item = items_->FindCommand(command)) item->Click();
}

}  // namespace sundrel
