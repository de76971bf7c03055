// Owners and helpers for the shell's objects: item identifier lists (freed with CoTaskMemFree)
// and COM interfaces (released), and the few list operations that the folder views need.
#pragma once

#include <objbase.h>
#include <shlobj.h>
// The shell's menu-band callback code of this name is never used here, and it would hide the
// skin command of the same name in every file that includes both.
#undef SMC_REFRESH

#include <memory>
#include <string>

namespace sundrel {

struct ItemIdListDeleter {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using UniqueItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListDeleter>;

// Holds one reference to a COM object.
template <class T>
class TComPtr {
 public:
  TComPtr() = default;
  // Takes over a reference that the caller owns.
  explicit TComPtr(T* object) : object_(object) {}
  ~TComPtr() { Reset(); }
  TComPtr(const TComPtr& other) : object_(other.object_) {
    if (object_ != nullptr) object_->AddRef();
  }
  TComPtr& operator=(TComPtr other) {
    std::swap(object_, other.object_);
    return *this;
  }

  T* Get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  void Reset() {
    if (object_ != nullptr) object_->Release();
    object_ = nullptr;
  }
  // For functions that hand out a new reference.
  T** Receive() {
    Reset();
    return &object_;
  }
  void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
  // The same object through another interface, or none.
  template <class U>
  TComPtr<U> As() const {
    TComPtr<U> other;
    if (object_ != nullptr) object_->QueryInterface(__uuidof(U), other.ReceiveVoid());
    return other;
  }

 private:
  T* object_ = nullptr;
};

// The number of items in the list (0 for the desktop's empty list).
int ItemCount(const ITEMIDLIST* list);
// A copy of the first `count` items.
UniqueItemIdList ItemPrefix(const ITEMIDLIST* list, int count);
UniqueItemIdList CopyItems(const ITEMIDLIST* list);
// `first` followed by `second`.
UniqueItemIdList JoinItems(const ITEMIDLIST* first, const ITEMIDLIST* second);
// The text of a shell answer, which it frees.
std::string TextOfStrRet(STRRET& answer, const ITEMIDLIST* item);

}  // namespace sundrel
