#include "framework/menus.h"

#include <algorithm>

#include "base/errors.h"
#include "base/handles_win32.h"
#include "framework/menu_handles.h"

namespace sundrel {

namespace {

UINT NextCommand() {
  static UINT command = 0;
  // Menu identifiers are 16 bits wide; 0 means "nothing chosen".
  command = command % 0xFFFF + 1;
  return command;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  while (!items_.empty()) items_.back()->Free();
  if (parent_ != nullptr) parent_->Remove(this);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->parent_ != nullptr) item->parent_->Remove(item);
  const auto at = items_.begin() + std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(items_.size()));
  items_.insert(at, item);
  item->parent_ = this;
}

void TMenuItem::Add(TMenuItem* item) {
  Insert(Count(), item);
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
    : TComponent(owner),
      items_(new TMenuItem(this)),
      window_([this](TMessage& message) { return MenuMessage(message); }) {}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  UniqueMenu menu = BuildPopupMenu(*items_, painter_ != nullptr);
  if (!menu) throw Exception("Out of system resources");
  const UINT flags =
      TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | (painter_ != nullptr ? TPM_NOANIMATION : 0);
  const UINT command = static_cast<UINT>(TrackPopupMenuEx(menu.get(), flags, x, y, window_.Handle(), nullptr));
  menu.reset();
  if (command == 0) return;
  if (TMenuItem* item = items_->FindCommand(command)) item->Click();
}

// The painter hears of the menu's life and the selection as they happen, and the system goes on as
// without it; the owner-drawn items are the painter's alone.
bool TPopupMenu::MenuMessage(TMessage& message) {
  if (painter_ == nullptr) return false;
  switch (message.Msg) {
    case WM_ENTERMENULOOP:
      painter_->EnterMenuLoop();
      return false;
    case WM_EXITMENULOOP:
      painter_->ExitMenuLoop();
      return false;
    case WM_INITMENUPOPUP:
      if (TMenuItem* items = ItemsOfMenu(reinterpret_cast<HMENU>(message.WParam))) {
        painter_->InitMenuPopup(reinterpret_cast<HMENU>(message.WParam), *items);
      }
      return false;
    case WM_MENUSELECT: {
      const UINT flags = HIWORD(message.WParam);
      const bool closed = flags == 0xFFFF && message.LParam == 0;
      painter_->SelectItem(closed ? nullptr
                                  : MenuItemOf(reinterpret_cast<HMENU>(message.LParam), LOWORD(message.WParam),
                                               (flags & MF_POPUP) != 0));
      return false;
    }
    case WM_MEASUREITEM: {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (measure.CtlType != ODT_MENU || measure.itemData == 0) return false;
      painter_->MeasureItem(*reinterpret_cast<TMenuItem*>(measure.itemData), measure);
      message.Result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      if (draw.CtlType != ODT_MENU || draw.itemData == 0) return false;
      painter_->DrawItem(*reinterpret_cast<TMenuItem*>(draw.itemData), draw);
      message.Result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace sundrel
