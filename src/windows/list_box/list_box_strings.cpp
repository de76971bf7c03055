#include "windows/list_box/list_box_strings.h"

#include "base/utf.h"
#include "windows/list_box/list_box_errors.h"
#include "windows/list_box/s_list_box.h"
#include "windows/list_box/text_compare.h"

namespace sundrel {

HWND TListBoxStrings::Window() const {
  return listBox_.HandleAllocated() ? listBox_.Handle() : nullptr;
}

LRESULT TListBoxStrings::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return SendMessageW(listBox_.Handle(), msg, wParam, lParam);
}

std::vector<std::string>& TListBoxStrings::Saved() const {
  if (listBox_.savedItems_ == nullptr) listBox_.savedItems_ = std::make_unique<std::vector<std::string>>();
  return *listBox_.savedItems_;
}

int TListBoxStrings::Count() const {
  if (Window() != nullptr) return static_cast<int>(Send(LB_GETCOUNT));
  if (listBox_.IsVirtual()) return listBox_.virtualCount_;
  return listBox_.savedItems_ != nullptr ? static_cast<int>(listBox_.savedItems_->size()) : 0;
}

void TListBoxStrings::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
}

std::string TListBoxStrings::Get(int index) const {
  CheckIndex(index);
  if (listBox_.IsVirtual()) {
    std::string text;
    if (listBox_.OnData) listBox_.OnData(&listBox_, index, text);
    return text;
  }
  if (Window() == nullptr) return Saved()[static_cast<size_t>(index)];
  std::wstring text(static_cast<size_t>(Send(LB_GETTEXTLEN, index)) + 1, L'\0');
  text.resize(static_cast<size_t>(Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
  return FromWide(text);
}

int TListBoxStrings::InsertAt(int index, const std::string& text) {
  if (listBox_.IsVirtual()) return -1;
  if (Window() == nullptr) {
    std::vector<std::string>& saved = Saved();
    if (index < 0 || index > static_cast<int>(saved.size())) index = static_cast<int>(saved.size());
    saved.insert(saved.begin() + index, text);
    return index;
  }
  const std::wstring wide = ToWide(text);
  const auto result = index < 0 ? Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()))
                                : Send(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(wide.c_str()));
  if (result < 0) throw EListError(SInsertLineError);
  return static_cast<int>(result);
}

int TListBoxStrings::Add(const std::string& text) {
  return InsertAt(-1, text);
}

void TListBoxStrings::Insert(int index, const std::string& text) {
  InsertAt(index, text);
}

void TListBoxStrings::Delete(int index) {
  if (Window() == nullptr) {
    CheckIndex(index);
    if (!listBox_.IsVirtual()) Saved().erase(Saved().begin() + index);
    return;
  }
  Send(LB_DELETESTRING, index);
}

void TListBoxStrings::Clear() {
  if (listBox_.IsVirtual()) return;
  listBox_.savedItems_.reset();
  if (Window() != nullptr) Send(LB_RESETCONTENT);
}

void TListBoxStrings::Put(int index, const std::string& text) {
  const int current = listBox_.ItemIndex();
  const intptr_t object = Objects(index);
  Delete(index);
  InsertAt(index, text);
  PutObject(index, object);
  listBox_.SetItemIndex(current);
}

void TListBoxStrings::Exchange(int index1, int index2) {
  Update([&] {
    const std::string text1 = Get(index1);
    const intptr_t object1 = Objects(index1);
    Put(index1, Get(index2));
    PutObject(index1, Objects(index2));
    Put(index2, text1);
    PutObject(index2, object1);
  });
}

void TListBoxStrings::Move(int from, int to) {
  if (from == to) return;
  Update([&] {
    const std::string text = Get(from);
    const intptr_t object = Objects(from);
    Delete(from);
    InsertAt(to, text);
    PutObject(to, object);
  });
}

int TListBoxStrings::IndexOf(const std::string& text) const {
  if (listBox_.IsVirtual()) return listBox_.OnDataFind ? listBox_.OnDataFind(&listBox_, text) : -1;
  for (int i = 0; i < Count(); ++i) {
    if (SameText(Get(i), text)) return i;
  }
  return -1;
}

intptr_t TListBoxStrings::Objects(int index) const {
  CheckIndex(index);
  if (listBox_.IsVirtual()) {
    intptr_t object = 0;
    if (listBox_.OnDataObject) listBox_.OnDataObject(&listBox_, index, object);
    return object;
  }
  return static_cast<intptr_t>(Send(LB_GETITEMDATA, index));
}

void TListBoxStrings::PutObject(int index, intptr_t value) {
  if (listBox_.IsVirtual()) return;
  Send(LB_SETITEMDATA, index, static_cast<LPARAM>(value));
}

void TListBoxStrings::BeginUpdate() {
  if (updateCount_++ == 0 && Window() != nullptr) Send(WM_SETREDRAW, FALSE);
}

void TListBoxStrings::Update(const std::function<void()>& change) {
  BeginUpdate();
  try {
    change();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TListBoxStrings::EndUpdate() {
  if (updateCount_ == 0 || --updateCount_ > 0 || Window() == nullptr) return;
  Send(WM_SETREDRAW, TRUE);
  listBox_.Invalidate();
}

}  // namespace sundrel
