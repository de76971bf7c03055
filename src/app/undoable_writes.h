// The files a cancellable run creates, so that a cancel can put the folder back as it was.
//
// A file about to be replaced is first renamed aside (to "<name>.keep", "<name>.keep2", ...),
// so it keeps its bytes until the run is over: a cancel removes what the run created and renames
// the originals back; any other end removes the originals that were replaced, which leaves
// exactly the files that writing over them in place leaves. Renaming costs nothing whatever the file's size, where a
// copy would double the run's time; writing to temporary names instead would change which name
// a failure to create a part reports.
#pragma once

#include <string>
#include <vector>

namespace sundrel {

class UndoableWrites {
 public:
  // When not enabled it keeps nothing and the files are replaced in place.
  explicit UndoableWrites(bool enabled) : enabled_(enabled) {}
  ~UndoableWrites();
  UndoableWrites(const UndoableWrites&) = delete;
  UndoableWrites& operator=(const UndoableWrites&) = delete;

  // Call before creating the file. An original that cannot be renamed (a file in use, a folder
  // we may not write) is left where it is: creating the file then fails as it would have
  // anyway, or replaces it for good.
  void BeforeCreate(const std::string& path);

  // Removes every file created since and puts back the originals, newest first. The created
  // files must be closed. An original that cannot go back keeps its ".keep" name, never lost.
  void Undo();

 private:
  struct Created {
    std::string path;
    std::string original;  // where the replaced file waits; empty when there was none
  };

  bool enabled_;
  std::vector<Created> created_;
};

}  // namespace sundrel
