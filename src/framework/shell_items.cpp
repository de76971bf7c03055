#include "framework/shell_items.h"

#include <shlwapi.h>

#include <cstring>

#include "base/errors.h"
#include "base/utf.h"

namespace sundrel {

namespace {

const SHITEMID* NextItem(const SHITEMID* item) {
  return reinterpret_cast<const SHITEMID*>(reinterpret_cast<const BYTE*>(item) + item->cb);
}

// The bytes of the first `count` items, without the terminating zero.
size_t PrefixSize(const ITEMIDLIST* list, int count) {
  size_t size = 0;
  const SHITEMID* item = list != nullptr ? &list->mkid : nullptr;
  for (; item != nullptr && item->cb != 0 && count > 0; item = NextItem(item), --count) size += item->cb;
  return size;
}

UniqueItemIdList NewList(const void* bytes, size_t size, const void* more = nullptr, size_t moreSize = 0) {
  auto* list = static_cast<BYTE*>(CoTaskMemAlloc(size + moreSize + sizeof(USHORT)));
  if (list == nullptr) throw Exception("Out of memory");
  if (size != 0) std::memcpy(list, bytes, size);
  if (moreSize != 0) std::memcpy(list + size, more, moreSize);
  std::memset(list + size + moreSize, 0, sizeof(USHORT));
  return UniqueItemIdList(reinterpret_cast<ITEMIDLIST*>(list));
}

}  // namespace

int ItemCount(const ITEMIDLIST* list) {
  int count = 0;
  for (const SHITEMID* item = list != nullptr ? &list->mkid : nullptr; item != nullptr && item->cb != 0;
       item = NextItem(item)) {
    ++count;
  }
  return count;
}

UniqueItemIdList ItemPrefix(const ITEMIDLIST* list, int count) {
  return NewList(list, PrefixSize(list, count));
}

UniqueItemIdList CopyItems(const ITEMIDLIST* list) {
  return ItemPrefix(list, ItemCount(list));
}

UniqueItemIdList JoinItems(const ITEMIDLIST* first, const ITEMIDLIST* second) {
  return NewList(first, PrefixSize(first, ItemCount(first)), second, PrefixSize(second, ItemCount(second)));
}

std::string TextOfStrRet(STRRET& answer, const ITEMIDLIST* item) {
  wchar_t* text = nullptr;
  if (FAILED(StrRetToStrW(&answer, item, &text)) || text == nullptr) return "";
  std::string result = FromWide(text);
  CoTaskMemFree(text);
  return result;
}

}  // namespace sundrel
