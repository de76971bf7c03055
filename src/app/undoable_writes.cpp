#include "app/undoable_writes.h"

#include "base/os_file.h"

namespace sundrel {

namespace {

// Renames the file to the first free name of its kind; answers that name, or nothing when the
// system refuses for another reason than a taken name.
std::string MoveAside(FileSystem& files, const std::string& path) {
  for (int attempt = 1;; ++attempt) {
    const std::string aside = path + ".keep" + (attempt == 1 ? "" : std::to_string(attempt));
    if (files.RenameFile(path, aside)) return aside;
    if (!files.FileExists(aside)) return {};
  }
}

}  // namespace

UndoableWrites::~UndoableWrites() {
  FileSystem& files = CurrentFileSystem();
  for (const Created& file : created_) {
    if (file.original.empty()) continue;
    // A file whose replacement could not even be created goes back: creating over it in place
    // would have failed and left it as it was.
    if (files.FileExists(file.path)) {
      files.RemoveFile(file.original);
    } else {
      files.RenameFile(file.original, file.path);
    }
  }
}

void UndoableWrites::BeforeCreate(const std::string& path) {
  if (!enabled_) return;
  FileSystem& files = CurrentFileSystem();
  created_.push_back({path, files.FileExists(path) ? MoveAside(files, path) : std::string()});
}

void UndoableWrites::Undo() {
  FileSystem& files = CurrentFileSystem();
  for (auto file = created_.rbegin(); file != created_.rend(); ++file) {
    files.RemoveFile(file->path);
    if (!file->original.empty()) files.RenameFile(file->original, file->path);
  }
  created_.clear();
}

}  // namespace sundrel
