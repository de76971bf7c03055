#include "framework/folder_browser.h"

#include <objbase.h>
#include <shlobj.h>

#include <memory>

#include "base/utf.h"
#include "framework/com_scope.h"
#include "framework/shell_items.h"

namespace sundrel {

namespace {

// No "insert a disk" boxes from the system while the folders are listed.
class CriticalErrorsSuppressed {
 public:
  CriticalErrorsSuppressed() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~CriticalErrorsSuppressed() { SetErrorMode(previous_); }
  CriticalErrorsSuppressed(const CriticalErrorsSuppressed&) = delete;
  CriticalErrorsSuppressed& operator=(const CriticalErrorsSuppressed&) = delete;

 private:
  UINT previous_;
};

int CALLBACK SelectStartFolder(HWND dialog, UINT msg, LPARAM, LPARAM start) {
  const auto* folder = reinterpret_cast<const wchar_t*>(start);
  if (msg == BFFM_INITIALIZED && folder[0] != L'\0') SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

}  // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& caption, const std::string& root,
                                           const std::string& start) {
  ComScope com;
  CriticalErrorsSuppressed quiet;
  UniqueItemIdList rootItem;
  if (!root.empty()) {
    ITEMIDLIST* parsed = nullptr;
    if (SUCCEEDED(SHParseDisplayName(ToWide(root).c_str(), nullptr, &parsed, 0, nullptr))) rootItem.reset(parsed);
  }
  const std::wstring instruction = ToWide(caption);
  const std::wstring startFolder = ToWide(start);
  wchar_t displayName[MAX_PATH] = L"";
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.pidlRoot = rootItem.get();
  browse.pszDisplayName = displayName;
  browse.lpszTitle = instruction.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  browse.lpfn = SelectStartFolder;
  browse.lParam = reinterpret_cast<LPARAM>(startFolder.c_str());
  UniqueItemIdList chosen(SHBrowseForFolderW(&browse));
  if (!chosen) return std::nullopt;
  wchar_t path[MAX_PATH] = L"";
  if (!SHGetPathFromIDListW(chosen.get(), path) || path[0] == L'\0') return std::nullopt;
  return FromWide(path);
}

}  // namespace sundrel
