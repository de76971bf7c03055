// One item of the shell's namespace as a folder tree sees it: the item's identifier relative to
// its parent and from the desktop, the parent's folder interface through which it is named and
// asked about, and its own folder interface when it can be opened as a folder.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/object.h"
#include "framework/shell_items.h"

namespace sundrel {

class TacShellFolder : public TObject {
 public:
  // The desktop, the parent of every tree's top item; made once and kept for the process.
  static TacShellFolder& Desktop();

  // The item `relative` inside `parent`'s folder; `parent` must outlive it.
  TacShellFolder(TacShellFolder* parent, UniqueItemIdList relative);

  TacShellFolder* Parent() const { return parent_; }
  // The folder that names the item (the desktop's for the desktop itself).
  IShellFolder* ParentShellFolder() const;
  // The folder that names the item's children: its own, or the desktop's when it has none.
  IShellFolder* ParentOfChildren() const;
  // None when the item cannot be opened as a folder (a plain file, say).
  IShellFolder* ShellFolder() const { return folder_.Get(); }
  const ITEMIDLIST* RelativeID() const { return relative_.get(); }
  const ITEMIDLIST* AbsoluteID() const { return absolute_.get(); }
  int Level() const { return level_; }

  // The parsing name from the desktop (C:\Data); for a virtual item, whose parsing name starts
  // with "::{", its normal display name.
  std::string PathName() const;
  // The name as the parent's folder gives it, with SHGDN_* flags.
  std::string DisplayName(DWORD flags) const;
  // Which of the SFGAO_* bits of `mask` the item has.
  ULONG Capabilities(ULONG mask) const;
  bool IsFolder() const { return Capabilities(SFGAO_FOLDER) != 0; }
  // Whether the item lists anything of the SHCONTF_* kinds.
  bool HasItems(DWORD kinds) const;
  // The small system icon (open or closed).
  int IconIndex(bool open) const;
  // Asks the parent folder to rename the item; answers its new identifier relative to the
  // parent, or nothing when the shell refused.
  std::optional<UniqueItemIdList> Rename(HWND owner, const std::string& name) const;
  // The shell's context menu of the item, or none.
  TComPtr<IContextMenu> ContextMenu(HWND owner) const;

 private:
  TacShellFolder();

  TacShellFolder* parent_ = nullptr;
  UniqueItemIdList relative_;
  UniqueItemIdList absolute_;
  TComPtr<IShellFolder> folder_;
  int level_ = 0;
};

// Whether the desktop takes the two identifiers (from the desktop) for the same item.
bool SameItem(const ITEMIDLIST* first, const ITEMIDLIST* second);

}  // namespace sundrel
