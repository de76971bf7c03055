// Building the shell tree, opening its nodes, selecting paths, refreshing and renaming.
#include "dialogs/shell_tree/ac_shell_tree_view.h"

#include <shellapi.h>

#include "base/errors.h"
#include "base/path_text.h"
#include "base/utf.h"
#include "dialogs/shell_tree/shell_roots.h"
#include "framework/application.h"
#include "framework/file_checks.h"
#include "skin/options/options_text.h"

namespace sundrel {

namespace {

constexpr char kErrorSettingPath[] = "Error Setting Path";
// Posted to the tree once the label edit is over: refresh the node whose item is in LParam, or
// report the rename that the shell refused. A report while the edit ends would take the focus
// from the editor, which ends the same edit again.
constexpr UINT kRefreshAfterRename = WM_APP + 0x1A0;
constexpr UINT kRenameRefused = WM_APP + 0x1A1;

class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy), previous_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = previous_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
  bool previous_;
};

class HourglassCursor {
 public:
  HourglassCursor() : previous_(SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)))) {}  // IDC_WAIT
  ~HourglassCursor() { SetCursor(previous_); }
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;

 private:
  HCURSOR previous_;
};

class UpdateScope {
 public:
  explicit UpdateScope(TTreeView& tree) : tree_(tree) { tree_.BeginUpdate(); }
  ~UpdateScope() { tree_.EndUpdate(); }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

 private:
  TTreeView& tree_;
};

std::string Extension(const std::string& name) {
  const std::string file = ExtractFileName(name);
  const size_t dot = file.rfind('.');
  return dot == std::string::npos ? "" : file.substr(dot);
}

HIMAGELIST SystemSmallIcons() {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

}  // namespace

TacCustomShellTreeView::TacCustomShellTreeView(TComponent* owner) : TsTreeView(owner) {
  ApplyImages();
}

TacCustomShellTreeView::~TacCustomShellTreeView() = default;

TacShellFolder* TacCustomShellTreeView::FolderOf(const TTreeNode* node) {
  return node != nullptr ? static_cast<TacShellFolder*>(node->Data()) : nullptr;
}

HWND TacCustomShellTreeView::ShellOwner() {
  return Application != nullptr ? Application->Handle() : Handle();
}

void TacCustomShellTreeView::SetUseShellImages(bool use) {
  useShellImages_ = use;
  ApplyImages();
}

void TacCustomShellTreeView::SetImages(HIMAGELIST images) {
  assignedImages_ = images;
  ApplyImages();
}

void TacCustomShellTreeView::ApplyImages() {
  TsTreeView::SetImages(assignedImages_ != nullptr ? assignedImages_ : useShellImages_ ? SystemSmallIcons() : nullptr);
}

void TacCustomShellTreeView::CreateWnd() {
  TsTreeView::CreateWnd();
  if (!IsLoading()) BuildTree();
}

void TacCustomShellTreeView::Loaded() {
  TsTreeView::Loaded();
  if (HandleAllocated()) BuildTree();
}

UniqueItemIdList TacCustomShellTreeView::RootItem(const std::string& root) const {
  ITEMIDLIST* item = nullptr;
  if (const std::optional<int> special = SpecialFolderOfRoot(root)) {
    if (FAILED(SHGetSpecialFolderLocation(nullptr, *special, &item))) throw Exception(kErrorSettingPath);
    return UniqueItemIdList(item);
  }
  if (root.empty()) throw Exception(kErrorSettingPath);
  std::wstring path = ToWide(root.back() == ':' ? root + "\\" : root);
  wchar_t full[MAX_PATH];
  if (GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr) == 0) throw Exception(kErrorSettingPath);
  if (FAILED(
          TacShellFolder::Desktop().ShellFolder()->ParseDisplayName(nullptr, nullptr, full, nullptr, &item, nullptr))) {
    throw Exception(kErrorSettingPath);
  }
  return UniqueItemIdList(item);
}

void TacCustomShellTreeView::SetRoot(const std::string& root) {
  if (SameTextNoCase(root, root_)) return;
  previousRoot_ = root_;
  root_ = root;
  if (HandleAllocated() && !IsLoading()) BuildTree();
}

void TacCustomShellTreeView::BuildTree() {
  UniqueItemIdList item;
  try {
    item = RootItem(root_);
  } catch (const Exception&) {
    // The previous root stays, and the tree shows it again.
    root_ = previousRoot_;
    if (rootItem_) BuildTree();
    throw;
  }
  rootItem_ = std::move(item);
  BusyScope busy(busy_);
  Clear();
  TTreeNode* root =
      AddFolderNode(nullptr, std::make_unique<TacShellFolder>(&TacShellFolder::Desktop(), CopyItems(rootItem_.get())));
  root->SetText(FolderOf(root)->DisplayName(SHGDN_NORMAL));
  root->Expand(true);
  root->Select();
}

DWORD TacCustomShellTreeView::EnumerationFlags() const {
  DWORD flags = 0;
  if ((objectTypes_ & otFolders) != 0) flags |= SHCONTF_FOLDERS;
  if ((objectTypes_ & otNonFolders) != 0) flags |= SHCONTF_NONFOLDERS;
  if ((objectTypes_ & otHidden) != 0) flags |= SHCONTF_INCLUDEHIDDEN;
  return flags;
}

std::string TacCustomShellTreeView::NodeText(const TacShellFolder& folder) const {
  std::string name = folder.DisplayName(SHGDN_INFOLDER);
  if (name.rfind("::{", 0) == 0) return folder.DisplayName(SHGDN_NORMAL);
  if (showExt_ == seSystem) return name;
  const std::string path = folder.PathName();
  if (!FileExists(path)) return name;
  const std::string own = Extension(name);
  if (showExt_ == seShow && own != Extension(path)) return name + Extension(path);
  if (showExt_ == seHide) return name.substr(0, name.size() - own.size());
  return name;
}

void TacCustomShellTreeView::ShowFolder(TTreeNode* node, const TacShellFolder& folder) {
  node->SetImages(folder.IconIndex(false), folder.IconIndex(true));
  const bool hasChildren = (objectTypes_ & otNonFolders) != 0 ? folder.HasItems(EnumerationFlags())
                                                              : folder.Capabilities(SFGAO_HASSUBFOLDER) != 0;
  node->SetHasChildren(hasChildren || node->FirstChild() != nullptr);
  if (folder.Capabilities(SFGAO_SHARE) != 0) node->SetOverlayIndex(1);
}

TTreeNode* TacCustomShellTreeView::AddFolderNode(TTreeNode* parent, std::unique_ptr<TacShellFolder> folder) {
  TTreeNode* node = Add(parent, NodeText(*folder));
  ShowFolder(node, *folder);
  node->SetData(std::move(folder));
  return node;
}

void TacCustomShellTreeView::PopulateNode(TTreeNode* node) {
  TacShellFolder* folder = FolderOf(node);
  if (folder == nullptr || folder->ShellFolder() == nullptr) return;
  HourglassCursor hourglass;
  UpdateScope update(*this);
  TComPtr<IEnumIDList> items;
  if (folder->ShellFolder()->EnumObjects(ShellOwner(), EnumerationFlags(), items.Receive()) != S_OK || !items) return;
  ITEMIDLIST* item = nullptr;
  while (items->Next(1, &item, nullptr) == S_OK) {
    TTreeNode* child = AddFolderNode(node, std::make_unique<TacShellFolder>(folder, UniqueItemIdList(item)));
    bool canAdd = true;
    if (OnAddFolder) OnAddFolder(this, FolderOf(child), canAdd);
    if (!canAdd) child->Delete();
  }
  IShellFolder* parent = folder->ShellFolder();
  SortChildren(node, [parent](TTreeNode* a, TTreeNode* b) {
    return static_cast<short>(
               HRESULT_CODE(parent->CompareIDs(0, FolderOf(a)->RelativeID(), FolderOf(b)->RelativeID()))) < 0;
  });
}

bool TacCustomShellTreeView::CanExpand(TTreeNode* node) {
  if (!TsTreeView::CanExpand(node)) return false;
  TacShellFolder* folder = FolderOf(node);
  // Only folders open; nothing is ever run from the tree.
  if (folder != nullptr && folder->IsFolder() && node->HasChildren() && node->FirstChild() == nullptr) {
    PopulateNode(node);
  }
  const bool gotChildren = node->FirstChild() != nullptr;
  node->SetHasChildren(gotChildren);
  return gotChildren;
}

std::string TacCustomShellTreeView::Path() {
  TacShellFolder* folder = SelectedFolder();
  return folder != nullptr ? folder->PathName() : "";
}

TacShellFolder* TacCustomShellTreeView::SelectedFolder() {
  return HandleAllocated() ? FolderOf(Selected()) : nullptr;
}

TacShellFolder* TacCustomShellTreeView::FolderAt(int absoluteIndex) {
  return FolderOf(AbsoluteItem(absoluteIndex));
}

void TacCustomShellTreeView::SetPath(const std::string& path) {
  if (busy_) return;
  wchar_t full[MAX_PATH];
  ITEMIDLIST* item = nullptr;
  if (GetFullPathNameW(ToWide(path).c_str(), MAX_PATH, full, nullptr) == 0 ||
      FAILED(
          TacShellFolder::Desktop().ShellFolder()->ParseDisplayName(nullptr, nullptr, full, nullptr, &item, nullptr))) {
    throw Exception(kErrorSettingPath);
  }
  const UniqueItemIdList owned(item);
  SelectItem(owned.get());
}

TTreeNode* TacCustomShellTreeView::FindItem(TTreeNode* start, const ITEMIDLIST* item) {
  if (start == nullptr) return nullptr;
  const int count = ItemCount(item);
  const int own = ItemCount(FolderOf(start)->AbsoluteID());
  if (own == count && SameItem(FolderOf(start)->AbsoluteID(), item)) return start;
  if (own >= count) return nullptr;  // what lies below is deeper still
  for (TTreeNode* child = start->FirstChild(); child != nullptr; child = child->NextSibling()) {
    if (TTreeNode* found = FindItem(child, item)) return found;
  }
  return nullptr;
}

void TacCustomShellTreeView::SelectItem(const ITEMIDLIST* item) {
  if (busy_ || IsLoading() || !HandleAllocated()) return;
  TacShellFolder* selected = SelectedFolder();
  if (selected != nullptr && SameItem(selected->AbsoluteID(), item)) return;
  TTreeNode* current = FirstNode();
  if (current == nullptr) return;
  BusyScope busy(busy_);
  UpdateScope update(*this);
  const int count = ItemCount(item);
  for (int depth = 1; depth <= count; ++depth) {
    const UniqueItemIdList ancestor = ItemPrefix(item, depth);
    if (TTreeNode* found = FindItem(current, ancestor.get())) {
      found->Expand(true);
      current = found;
    }
  }
  SetSelected(SameItem(FolderOf(current)->AbsoluteID(), item) ? current : nullptr);
}

void TacCustomShellTreeView::ReexpandLike(TTreeNode* old, TTreeNode* fresh) {
  for (TTreeNode* was = old->FirstChild(); was != nullptr; was = was->NextSibling()) {
    if (!was->Expanded()) continue;
    for (TTreeNode* now = fresh->FirstChild(); now != nullptr; now = now->NextSibling()) {
      if (!SameItem(FolderOf(was)->AbsoluteID(), FolderOf(now)->AbsoluteID())) continue;
      now->Expand(true);
      ReexpandLike(was, now);
      break;
    }
  }
}

void TacCustomShellTreeView::RefreshNode(TTreeNode* node) {
  TacShellFolder* old = FolderOf(node);
  if (old == nullptr) return;
  const auto idOf = [](TTreeNode* of) { return of != nullptr ? CopyItems(FolderOf(of)->AbsoluteID()) : nullptr; };
  const UniqueItemIdList top = idOf(TopItem());
  const UniqueItemIdList selected = idOf(Selected());
  HourglassCursor hourglass;
  BusyScope busy(busy_);
  UpdateScope update(*this);
  TTreeNode* fresh = Insert(node, NodeText(*old));
  fresh->SetData(std::make_unique<TacShellFolder>(old->Parent(), CopyItems(old->RelativeID())));
  if (FolderOf(fresh)->IsFolder()) PopulateNode(fresh);
  ShowFolder(fresh, *FolderOf(fresh));
  if (node->Expanded()) fresh->Expand(true);
  ReexpandLike(node, fresh);
  node->Delete();
  if (selected) SetSelected(FindItem(FirstNode(), selected.get()));
  if (top) SetTopItem(FindItem(FirstNode(), top.get()));
}

bool TacCustomShellTreeView::Edited(TTreeNode* node, std::string& text) {
  TsTreeView::Edited(node, text);
  TacShellFolder* folder = FolderOf(node);
  if (folder == nullptr || folder->Capabilities(SFGAO_CANRENAME) == 0) return false;
  std::optional<UniqueItemIdList> renamed = folder->Rename(Handle(), text);
  if (!renamed) {
    refusedName_ = text;
    PostMessageW(Handle(), kRenameRefused, 0, 0);
    return false;
  }
  // What lay below the old name is read again under the new one.
  while (TTreeNode* child = node->FirstChild()) child->Delete();
  node->SetData(std::make_unique<TacShellFolder>(folder->Parent(), std::move(*renamed)));
  node->SetText(text);
  ShowFolder(node, *FolderOf(node));
  // The parent is read again once the tree has finished with the edited node.
  if (TTreeNode* parent = node->Parent()) {
    PostMessageW(Handle(), kRefreshAfterRename, 0, reinterpret_cast<LPARAM>(parent->ItemId()));
  }
  return false;  // the node has its text already
}

void TacCustomShellTreeView::WndProc(TMessage& message) {
  if (HandleMenuMessage(message)) return;
  switch (message.Msg) {
    case kRefreshAfterRename:
      if (TTreeNode* node = NodeOf(reinterpret_cast<HTREEITEM>(message.LParam))) RefreshNode(node);
      return;
    case kRenameRefused:
      throw Exception("Rename to " + refusedName_ + " failed");
    case WM_CONTEXTMENU:
      if (autoContextMenus_ && PopupMenu() == nullptr) {
        ShowContextMenu(message.LParam);
        return;
      }
      break;
    default:
      break;
  }
  TsTreeView::WndProc(message);
}

}  // namespace sundrel
