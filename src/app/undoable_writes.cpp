#include "app/undoable_writes.h"

#include "base/errors.h"
#include "base/os_file.h"

namespace sundrel {

namespace {

// Far more kept names than any folder holds by accident; past them something is wrong.
constexpr int kMaxAsideAttempts = 1000;

// Renames the file to the first free name of its kind; answers that name, or nothing when the
// system refuses for another reason than a taken name. A folder takes a name as well as a file.
std::string MoveAside(FileSystem& files, const std::string& path) {
  for (int attempt = 1; attempt <= kMaxAsideAttempts; ++attempt) {
    const std::string aside = path + ".keep" + (attempt == 1 ? "" : std::to_string(attempt));
    if (files.RenameFile(path, aside)) return aside;
    if (!files.FileExists(aside) && !files.FolderExists(aside)) return {};
  }
  return {};
}

}  // namespace

UndoableWrites::~UndoableWrites() {
  Undo();
}

std::string UndoableWrites::SetAside(const std::string& path, const char* readOnlyText, const char* notKeptText) {
  FileSystem& files = CurrentFileSystem();
  if (!files.FileExists(path)) return {};
  if (files.IsReadOnly(path)) throw EFCreateError(FormatText(readOnlyText, {files.ExpandFileName(path)}));
  std::string aside = MoveAside(files, path);
  if (aside.empty()) throw EFCreateError(FormatText(notKeptText, {files.ExpandFileName(path)}));
  return aside;
}

void UndoableWrites::WillCreate(const std::string& path) {
  entries_.push_back({path, SetAside(path, SFileReadOnly, SFileNotKept), true});
}

void UndoableWrites::WillRemove(const std::string& path) {
  std::string original = SetAside(path, SRemoveReadOnly, SRemoveNotKept);
  if (!original.empty()) entries_.push_back({path, std::move(original), false});
}

void UndoableWrites::Commit() {
  FileSystem& files = CurrentFileSystem();
  for (const Entry& entry : entries_) {
    if (!entry.original.empty()) files.RemoveFile(entry.original);
  }
  entries_.clear();
}

void UndoableWrites::Undo() {
  FileSystem& files = CurrentFileSystem();
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
    if (entry->created) files.RemoveFile(entry->path);
    if (!entry->original.empty()) files.RenameFile(entry->original, entry->path);
  }
  entries_.clear();
}

}  // namespace sundrel
