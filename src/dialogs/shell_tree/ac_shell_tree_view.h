// The tree of the shell's namespace: the desktop, drives and special folders, each node holding
// the shell folder object of its item. A node's children are read from the shell when it is
// first opened, one level at a time, so a huge folder (under Wine the drive Z: is the whole
// file system) costs only what is opened. It offers the shell's context menu of the selected
// folder and renames a folder when its label is edited.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "dialogs/shell_tree/ac_shell_folder.h"
#include "dialogs/shell_tree/s_tree_view.h"
#include "framework/com_scope.h"

namespace sundrel {

enum TacShellObjectType : unsigned { otFolders = 1, otNonFolders = 2, otHidden = 4 };
using TacShellObjectTypes = unsigned;

// How file names are shown: as the system shows them, always with their extension, without it.
enum TacShowExtension { seSystem, seShow, seHide };

class TacCustomShellTreeView : public TsTreeView {
 public:
  explicit TacCustomShellTreeView(TComponent* owner);
  ~TacCustomShellTreeView() override;

  // "rfDesktop", another root name (see shell_roots.h) or a path. A text that names nothing
  // raises "Error Setting Path" and the tree keeps its previous root.
  const std::string& Root() const { return root_; }
  void SetRoot(const std::string& root);
  TacShellObjectTypes ObjectTypes() const { return objectTypes_; }
  void SetObjectTypes(TacShellObjectTypes types) { objectTypes_ = types; }
  bool UseShellImages() const { return useShellImages_; }
  void SetUseShellImages(bool use);
  TacShowExtension ShowExt() const { return showExt_; }
  void SetShowExt(TacShowExtension show) { showExt_ = show; }
  bool AutoContextMenus() const { return autoContextMenus_; }
  void SetAutoContextMenus(bool automatic) { autoContextMenus_ = automatic; }
  bool RightClickSelect() const { return rightClickSelect_; }
  void SetRightClickSelect(bool select) { rightClickSelect_ = select; }
  // Kept with the component: folders changed by other programs show after a refresh or when the
  // window is made anew.
  bool AutoRefresh() const { return autoRefresh_; }
  void SetAutoRefresh(bool automatic) { autoRefresh_ = automatic; }
  // The image list to show; none puts back the system's small icons while UseShellImages is on.
  void SetImages(HIMAGELIST images) override;

  // The selected item's parsing name (C:\Data), or the display name of a virtual item; empty
  // when nothing is selected.
  std::string Path();
  // Selects the item of the path, opening the nodes above it from the top. A path that the shell
  // cannot parse raises "Error Setting Path".
  void SetPath(const std::string& path);
  TacShellFolder* SelectedFolder();
  TacShellFolder* FolderAt(int absoluteIndex);
  static TacShellFolder* FolderOf(const TTreeNode* node);
  // Reads the node and what is open below it from the shell again.
  void RefreshNode(TTreeNode* node);
  // Runs the command of the selected folder's context menu that has this verb ("delete",
  // "rename", ...), as if the user had picked it there. False when the menu has none.
  bool InvokeContextVerb(const std::string& verb);

  // May refuse an item before its node is shown.
  std::function<void(TObject* sender, TacShellFolder* folder, bool& canAdd)> OnAddFolder;

 protected:
  void CreateWnd() override;
  void Loaded() override;
  bool CanExpand(TTreeNode* node) override;
  bool Edited(TTreeNode* node, std::string& text) override;
  void WndProc(TMessage& message) override;

 private:
  UniqueItemIdList RootItem(const std::string& root) const;
  void BuildTree();
  void PopulateNode(TTreeNode* node);
  TTreeNode* AddFolderNode(TTreeNode* parent, std::unique_ptr<TacShellFolder> folder);
  void ShowFolder(TTreeNode* node, const TacShellFolder& folder);
  std::string NodeText(const TacShellFolder& folder) const;
  DWORD EnumerationFlags() const;
  void SelectItem(const ITEMIDLIST* item);
  TTreeNode* FindItem(TTreeNode* start, const ITEMIDLIST* item);
  void ReexpandLike(TTreeNode* old, TTreeNode* fresh);
  void ApplyImages();
  HWND ShellOwner();

  // The context menu.
  void ShowContextMenu(LPARAM position);
  TComPtr<IContextMenu> FillContextMenu(HMENU menu);
  void RunContextCommand(IContextMenu& menu, UINT offset);
  bool HandleMenuMessage(TMessage& message);

  ComScope com_;
  std::string root_ = "rfDesktop";
  std::string previousRoot_;
  UniqueItemIdList rootItem_;
  TacShellObjectTypes objectTypes_ = otFolders;
  bool useShellImages_ = true;
  TacShowExtension showExt_ = seSystem;
  bool autoContextMenus_ = true;
  bool rightClickSelect_ = true;
  bool autoRefresh_ = false;
  HIMAGELIST assignedImages_ = nullptr;
  // The name that the shell refused last, reported once the label edit is over.
  std::string refusedName_;
  // Set while the tree changes its own nodes: path changes wait.
  bool busy_ = false;
  // The shell's menu while it is shown: it draws its own items.
  TComPtr<IContextMenu2> shownMenu_;
};

class TsShellTreeView : public TacCustomShellTreeView {
 public:
  using TacCustomShellTreeView::TacCustomShellTreeView;
};

}  // namespace sundrel
