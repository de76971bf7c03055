#include "framework/dialogs.h"

// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commdlg.h>
// clang-format on

#include <vector>

#include "base/errors.h"
#include "base/utf.h"
#include "framework/application.h"

namespace sundrel {

namespace {

// Room for many chosen names at once.
constexpr size_t kFileBufferLength = 65536;

// "a|b|c|d" becomes "a\0b\0c\0d\0\0", the form the dialog takes.
std::wstring DialogFilter(const std::string& filter) {
  if (filter.empty()) return std::wstring(2, L'\0');
  std::wstring wide = ToWide(filter);
  for (wchar_t& c : wide) {
    if (c == L'|') c = L'\0';
  }
  wide.append(2, L'\0');
  return wide;
}

bool IsAbsolutePath(const std::wstring& name) {
  return (name.size() >= 2 && name[1] == L':') || (name.size() >= 2 && name[0] == L'\\' && name[1] == L'\\');
}

// Names typed with their own full path (some dialogs pass them on unchanged) stay as they are.
std::string JoinPath(const std::wstring& folder, const std::wstring& name) {
  if (IsAbsolutePath(name)) return FromWide(name);
  if (folder.empty() || folder.back() == L'\\') return FromWide(folder + name);
  return FromWide(folder + L'\\' + name);
}

// With several names, the buffer holds the folder and then each name, every part ending in a
// null and the whole in two. A single name ends in one null only: what follows it is what was
// left of the proposed name, so it is not read.
std::vector<std::string> ChosenFiles(const std::vector<wchar_t>& buffer, bool multiSelect) {
  if (!multiSelect) return {FromWide(buffer.data())};
  std::vector<std::wstring> parts;
  for (size_t at = 0; at < buffer.size() && buffer[at] != L'\0';) {
    std::wstring part(&buffer[at]);
    at += part.size() + 1;
    parts.push_back(std::move(part));
  }
  if (parts.size() <= 1) return parts.empty() ? std::vector<std::string>{} : std::vector{FromWide(parts[0])};
  std::vector<std::string> files;
  for (size_t i = 1; i < parts.size(); ++i) files.push_back(JoinPath(parts[0], parts[i]));
  return files;
}

}  // namespace

bool TOpenDialog::Execute() {
  return RunDialog(false);
}

bool TSaveDialog::Execute() {
  return RunDialog(true);
}

bool TOpenDialog::RunDialog(bool save) {
  const std::wstring filter = DialogFilter(filter_);
  std::vector<wchar_t> buffer(kFileBufferLength, L'\0');
  const std::wstring proposed = ToWide(fileName_);
  proposed.copy(buffer.data(), std::min(proposed.size(), buffer.size() - 2));

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Application != nullptr ? Application->ActiveWindowHandle() : nullptr;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(filterIndex_);
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.Flags = OFN_EXPLORER;
  if ((options_ & ofOverwritePrompt) != 0) dialog.Flags |= OFN_OVERWRITEPROMPT;
  if ((options_ & ofHideReadOnly) != 0) dialog.Flags |= OFN_HIDEREADONLY;
  if ((options_ & ofAllowMultiSelect) != 0) dialog.Flags |= OFN_ALLOWMULTISELECT;
  if ((options_ & ofEnableSizing) != 0) dialog.Flags |= OFN_ENABLESIZING;

  // What an earlier run chose is gone, also when this one is cancelled.
  files_.Clear();
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen) {
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) throw Exception("Too many files were chosen at once");
    return false;
  }
  filterIndex_ = static_cast<int>(dialog.nFilterIndex);
  for (const std::string& file : ChosenFiles(buffer, (options_ & ofAllowMultiSelect) != 0)) files_.Add(file);
  if (files_.Count() > 0) fileName_ = files_[0];
  return true;
}

}  // namespace sundrel
