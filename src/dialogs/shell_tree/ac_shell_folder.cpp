#include "dialogs/shell_tree/ac_shell_folder.h"

#include <shellapi.h>

#include "base/errors.h"
#include "base/utf.h"

namespace sundrel {

namespace {

IShellFolder* DesktopShellFolder() {
  return TacShellFolder::Desktop().ShellFolder();
}

}  // namespace

TacShellFolder::TacShellFolder() : relative_(ItemPrefix(nullptr, 0)), absolute_(ItemPrefix(nullptr, 0)) {
  if (FAILED(SHGetDesktopFolder(folder_.Receive()))) throw Exception("The shell has no desktop");
}

TacShellFolder& TacShellFolder::Desktop() {
  // Kept to the end of the process: the trees of every picker hang from it.
  static TacShellFolder* desktop = new TacShellFolder();
  return *desktop;
}

TacShellFolder::TacShellFolder(TacShellFolder* parent, UniqueItemIdList relative)
    : parent_(parent),
      relative_(std::move(relative)),
      absolute_(JoinItems(parent->AbsoluteID(), relative_.get())),
      level_(parent->Level() + 1) {
  if (ItemCount(absolute_.get()) == 0) {
    folder_ = Desktop().folder_;
  } else if (ItemCount(relative_.get()) > 0) {
    parent->ParentOfChildren()->BindToObject(relative_.get(), nullptr, IID_IShellFolder, folder_.ReceiveVoid());
  }
}

IShellFolder* TacShellFolder::ParentShellFolder() const {
  return parent_ != nullptr ? parent_->ParentOfChildren() : DesktopShellFolder();
}

IShellFolder* TacShellFolder::ParentOfChildren() const {
  return folder_ ? folder_.Get() : DesktopShellFolder();
}

std::string TacShellFolder::DisplayName(DWORD flags) const {
  STRRET answer{};
  if (FAILED(ParentShellFolder()->GetDisplayNameOf(relative_.get(), flags, &answer))) return "";
  return TextOfStrRet(answer, relative_.get());
}

std::string TacShellFolder::PathName() const {
  STRRET answer{};
  if (FAILED(DesktopShellFolder()->GetDisplayNameOf(absolute_.get(), SHGDN_FORPARSING, &answer))) return "";
  std::string name = TextOfStrRet(answer, absolute_.get());
  if (name.rfind("::{", 0) != 0) return name;
  STRRET normal{};
  if (FAILED(DesktopShellFolder()->GetDisplayNameOf(absolute_.get(), SHGDN_NORMAL, &normal))) return "";
  return TextOfStrRet(normal, absolute_.get());
}

ULONG TacShellFolder::Capabilities(ULONG mask) const {
  ULONG attributes = mask;
  LPCITEMIDLIST item = relative_.get();
  if (FAILED(ParentShellFolder()->GetAttributesOf(1, &item, &attributes))) return 0;
  return attributes & mask;
}

bool TacShellFolder::HasItems(DWORD kinds) const {
  if (!folder_) return false;
  TComPtr<IEnumIDList> items;
  if (folder_->EnumObjects(nullptr, kinds, items.Receive()) != S_OK || !items) return false;
  ITEMIDLIST* first = nullptr;
  const bool any = items->Next(1, &first, nullptr) == S_OK;
  CoTaskMemFree(first);
  return any;
}

int TacShellFolder::IconIndex(bool open) const {
  SHFILEINFOW info{};
  const UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | (open ? SHGFI_OPENICON : 0);
  if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(absolute_.get()), 0, &info, sizeof info, flags) == 0) return -1;
  return info.iIcon;
}

std::optional<UniqueItemIdList> TacShellFolder::Rename(HWND owner, const std::string& name) const {
  ITEMIDLIST* renamed = nullptr;
  const HRESULT result = ParentShellFolder()->SetNameOf(owner, relative_.get(), ToWide(name).c_str(),
                                                        SHGDN_INFOLDER | SHGDN_FOREDITING, &renamed);
  if (FAILED(result)) return std::nullopt;
  // Some folders rename without handing out the new identifier: ask for it by the new name.
  if (renamed == nullptr &&
      FAILED(ParentShellFolder()->ParseDisplayName(owner, nullptr, ToWide(name).data(), nullptr, &renamed, nullptr))) {
    return std::nullopt;
  }
  return UniqueItemIdList(renamed);
}

TComPtr<IContextMenu> TacShellFolder::ContextMenu(HWND owner) const {
  TComPtr<IContextMenu> menu;
  LPCITEMIDLIST item = relative_.get();
  ParentShellFolder()->GetUIObjectOf(owner, 1, &item, IID_IContextMenu, nullptr, menu.ReceiveVoid());
  return menu;
}

bool SameItem(const ITEMIDLIST* first, const ITEMIDLIST* second) {
  if (ItemCount(first) != ItemCount(second)) return false;
  const HRESULT result = TacShellFolder::Desktop().ShellFolder()->CompareIDs(0, first, second);
  return SUCCEEDED(result) && HRESULT_CODE(result) == 0;
}

}  // namespace sundrel
