// Tab order and focus of windowed controls.
#include <algorithm>

#include "framework/forms.h"
#include "framework/win_control.h"

namespace sundrel {

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (Parent() == nullptr) return;
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  if (handle_) {
    LONG_PTR style = GetWindowLongPtrW(handle_.get(), GWL_STYLE);
    style = tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    SetWindowLongPtrW(handle_.get(), GWL_STYLE, style);
  }
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
  std::vector<TWinControl*> list;
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    const std::vector<TWinControl*> inner = child->TabOrderList();
    list.insert(list.end(), inner.begin(), inner.end());
  }
  return list;
}

bool TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  const std::vector<TWinControl*> list = TabOrderList();
  const int count = static_cast<int>(list.size());
  if (count == 0) return false;
  int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
  if (start == count) start = forward ? -1 : count;
  for (int step = 1; step <= count; ++step) {
    const int index = ((start + (forward ? step : -step)) % count + count) % count;
    TWinControl* candidate = list[index];
    if ((!checkTabStop || candidate->TabStop()) && candidate->CanFocus()) {
      candidate->SetFocus();
      return true;
    }
  }
  return false;
}

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control != nullptr; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const {
  return handle_ && GetFocus() == handle_.get();
}

void TWinControl::SetFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form != this && !form->Visible()) {
    form->SetActiveControl(this);
    return;
  }
  ::SetFocus(Handle());
}

void TWinControl::MoveFocusAwayIfInside() {
  if (!handle_) return;
  HWND focus = GetFocus();
  if (focus == nullptr || (focus != handle_.get() && !IsChild(handle_.get(), focus))) return;
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr || form == this) return;
  if (!form->SelectNext(this, true, true)) ::SetFocus(form->Handle());
}

}  // namespace sundrel
