// The shell's own context menu of the selected folder, and what the tree does around its
// commands.
#include <windowsx.h>

#include <cctype>
#include <cstring>
#include <optional>

#include "base/handles_win32.h"
#include "base/path_text.h"
#include "base/utf.h"
#include "dialogs/shell_tree/ac_shell_tree_view.h"
#include "framework/file_checks.h"

namespace sundrel {

namespace {

constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0x7FFF;

std::string VerbOf(IContextMenu& menu, UINT offset) {
  wchar_t verb[MAX_PATH] = L"";
  if (FAILED(menu.GetCommandString(offset, GCS_VERBW, nullptr, reinterpret_cast<LPSTR>(verb), MAX_PATH))) return "";
  std::string text = FromWide(verb);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The process's current folder, put back when the scope ends, however it ends.
class CurrentFolderKept {
 public:
  CurrentFolderKept() {
    wchar_t folder[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, folder);
    folder_ = folder;
  }
  ~CurrentFolderKept() { SetCurrentDirectoryW(folder_.c_str()); }
  CurrentFolderKept(const CurrentFolderKept&) = delete;
  CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;

 private:
  std::wstring folder_;
};

}  // namespace

TComPtr<IContextMenu> TacCustomShellTreeView::FillContextMenu(HMENU menu) {
  TacShellFolder* folder = SelectedFolder();
  TComPtr<IContextMenu> shellMenu = folder != nullptr ? folder->ContextMenu(Handle()) : TComPtr<IContextMenu>();
  if (shellMenu &&
      FAILED(shellMenu->QueryContextMenu(menu, 0, kFirstCommand, kLastCommand, CMF_EXPLORE | CMF_CANRENAME))) {
    shellMenu.Reset();
  }
  return shellMenu;
}

void TacCustomShellTreeView::ShowContextMenu(LPARAM position) {
  POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  if (position == -1) {
    // From the keyboard: under the selected node.
    RECT item{};
    TTreeNode* selected = Selected();
    if (selected == nullptr) return;
    const HTREEITEM asked = selected->ItemId();
    std::memcpy(&item, &asked, sizeof asked);  // the message takes the item in the rectangle
    SendMessageW(Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&item));
    at = ClientToScreen(POINT{item.left, item.bottom});
  } else if (RightClickSelect()) {
    POINT client = at;
    ScreenToClient(Handle(), &client);
    if (TTreeNode* node = GetNodeAt(client.x, client.y)) node->Select();
  }
  const UniqueMenu menu(CreatePopupMenu());
  TComPtr<IContextMenu> shellMenu = FillContextMenu(menu.get());
  if (!shellMenu) return;
  shownMenu_ = shellMenu.As<IContextMenu2>();
  const UINT command =
      static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr));
  shownMenu_.Reset();
  if (command >= kFirstCommand) RunContextCommand(*shellMenu.Get(), command - kFirstCommand);
}

bool TacCustomShellTreeView::InvokeContextVerb(const std::string& verb) {
  const UniqueMenu menu(CreatePopupMenu());
  TComPtr<IContextMenu> shellMenu = FillContextMenu(menu.get());
  if (!shellMenu) return false;
  for (int i = 0, count = GetMenuItemCount(menu.get()); i < count; ++i) {
    const UINT command = GetMenuItemID(menu.get(), i);
    if (command < kFirstCommand || command > kLastCommand ||
        VerbOf(*shellMenu.Get(), command - kFirstCommand) != verb) {
      continue;
    }
    RunContextCommand(*shellMenu.Get(), command - kFirstCommand);
    return true;
  }
  return false;
}

void TacCustomShellTreeView::RunContextCommand(IContextMenu& menu, UINT offset) {
  const std::string verb = VerbOf(menu, offset);
  TTreeNode* node = Selected();
  if (verb == "rename") {
    // The label is edited in place; the tree renames when the edit ends.
    if (node != nullptr) node->EditText();
    return;
  }
  std::optional<CurrentFolderKept> currentFolder;
  if (verb == "open" && node != nullptr) {
    currentFolder.emplace();
    SetCurrentDirectoryW(ToWide(ExtractFilePath(FolderOf(node)->PathName())).c_str());
  }
  const bool inFileSystem = node != nullptr && FolderOf(node)->Capabilities(SFGAO_FILESYSTEM) != 0;
  CMINVOKECOMMANDINFO command{};
  command.cbSize = sizeof command;
  command.hwnd = Handle();
  command.lpVerb = MAKEINTRESOURCEA(offset);
  command.nShow = SW_SHOWNORMAL;
  if (FAILED(menu.InvokeCommand(&command))) return;
  node = Selected();
  if (node == nullptr) return;
  if (verb == "delete") {
    // The shell may have been told not to (the user cancelled) or failed: the node goes only
    // with its item.
    const std::string path = FolderOf(node)->PathName();
    if (inFileSystem && !DirectoryExists(path) && !FileExists(path)) {
      node->Delete();
    } else {
      RefreshNode(node);
    }
  } else if (verb == "paste") {
    RefreshNode(node);
  }
}

bool TacCustomShellTreeView::HandleMenuMessage(TMessage& message) {
  if (!shownMenu_) return false;
  switch (message.Msg) {
    case WM_INITMENUPOPUP:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      if (FAILED(shownMenu_->HandleMenuMsg(message.Msg, message.WParam, message.LParam))) return false;
      message.Result = message.Msg == WM_INITMENUPOPUP ? 0 : TRUE;
      return true;
    default:
      return false;
  }
}

}  // namespace sundrel
