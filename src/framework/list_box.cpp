#include "framework/list_box.h"

#include <stdexcept>

#include "base/utf.h"

namespace sundrel {

int TListBoxItems::Count() const {
  if (!listBox_.HandleAllocated()) return static_cast<int>(listBox_.keptItems_.size());
  return static_cast<int>(SendMessageW(listBox_.Handle(), LB_GETCOUNT, 0, 0));
}

std::string TListBoxItems::Get(int index) const {
  listBox_.CheckIndex(index);
  if (!listBox_.HandleAllocated()) return listBox_.keptItems_[static_cast<size_t>(index)];
  const auto length = SendMessageW(listBox_.Handle(), LB_GETTEXTLEN, index, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(
      static_cast<size_t>(SendMessageW(listBox_.Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
  return FromWide(text);
}

int TListBoxItems::Add(const std::string& text) {
  if (!listBox_.HandleAllocated()) {
    listBox_.keptItems_.push_back(text);
    return Count() - 1;
  }
  const std::wstring wide = ToWide(text);
  const auto index = SendMessageW(listBox_.Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  if (index < 0) throw std::runtime_error("Insufficient memory for list box item");
  return static_cast<int>(index);
}

void TListBoxItems::Delete(int index) {
  listBox_.CheckIndex(index);
  if (!listBox_.HandleAllocated()) {
    listBox_.keptItems_.erase(listBox_.keptItems_.begin() + index);
    return;
  }
  SendMessageW(listBox_.Handle(), LB_DELETESTRING, index, 0);
}

void TListBoxItems::Clear() {
  listBox_.keptItems_.clear();
  if (listBox_.HandleAllocated()) SendMessageW(listBox_.Handle(), LB_RESETCONTENT, 0, 0);
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
}

void TListBox::CheckIndex(int index) {
  if (index < 0 || index >= items_.Count()) throw std::out_of_range("List index out of bounds");
}

void TListBox::SetItemHeight(int height) {
  if (height <= 0 || height == itemHeight_) return;
  itemHeight_ = height;
  if (HandleAllocated()) SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, height);
}

void TListBox::ChangeScale(int multiplier, int divider) {
  TWinControl::ChangeScale(multiplier, divider);
  SetItemHeight(MulDiv(itemHeight_, multiplier, divider));
}

void TListBox::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"LISTBOX";
  params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
  if (multiSelect_) params.Style |= LBS_EXTENDEDSEL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, itemHeight_);
  std::vector<std::string> kept = std::move(keptItems_);
  keptItems_.clear();
  for (const std::string& item : kept) items_.Add(item);
}

void TListBox::WindowDestroying() {
  keptItems_ = items_.ToVector();
  TWinControl::WindowDestroying();
}

bool TListBox::Selected(int index) {
  CheckIndex(index);
  if (multiSelect_) return SendMessageW(Handle(), LB_GETSEL, index, 0) > 0;
  return ItemIndex() == index;
}

void TListBox::SetSelected(int index, bool selected) {
  CheckIndex(index);
  if (multiSelect_) {
    SendMessageW(Handle(), LB_SETSEL, selected, index);
  } else if (selected) {
    SendMessageW(Handle(), LB_SETCURSEL, index, 0);
  } else if (ItemIndex() == index) {
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }
}

int TListBox::SelCount() {
  if (!multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
  return static_cast<int>(SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0));
}

int TListBox::ItemIndex() {
  if (multiSelect_) return static_cast<int>(SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));
  return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SelectAll() {
  for (int i = 0; i < items_.Count(); ++i) SetSelected(i, true);
}

void TListBox::DeleteSelected() {
  for (int i = items_.Count() - 1; i >= 0; --i) {
    if (Selected(i)) items_.Delete(i);
  }
}

}  // namespace sundrel
