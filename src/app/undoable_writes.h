// The files a run replaces, creates and removes, so that a run that does not complete leaves the
// folder exactly as it was.
//
// Every existing file the run will write over or remove is renamed aside (to "<name>.keep",
// "<name>.keep2", ...) before the first byte is written, so it keeps its bytes until the run is
// over: Commit removes the kept originals; anything else (a cancel, a failed write, a failed
// close) removes what the run created and renames the originals back. Renaming costs nothing
// whatever the file's size, where a copy would double the run's time; writing to temporary
// names instead would change which name a failure to create a part reports.
#pragma once

#include <string>
#include <vector>

namespace sundrel {

inline constexpr const char* SFileReadOnly = "Cannot create file \"%s\". It is read-only";
inline constexpr const char* SFileNotKept =
    "Cannot create file \"%s\". The file there cannot be set aside to be kept until the run is over";
inline constexpr const char* SRemoveReadOnly = "Cannot remove file \"%s\". It is read-only";
inline constexpr const char* SRemoveNotKept =
    "Cannot remove file \"%s\". It cannot be set aside to be kept until the run is over";

class UndoableWrites {
 public:
  UndoableWrites() = default;
  // Undoes a run that was not committed.
  ~UndoableWrites();
  UndoableWrites(const UndoableWrites&) = delete;
  UndoableWrites& operator=(const UndoableWrites&) = delete;

  // Call for every file the run writes, before writing any: an existing file there is set
  // aside. Raises EFCreateError naming the file when it is read-only (its owner meant it to stay)
  // or cannot be set aside (in use, a folder we may not change); what was set aside before goes
  // back when the run unwinds.
  void WillCreate(const std::string& path);
  // The same for an existing file the run removes; raises EFCreateError when it cannot.
  void WillRemove(const std::string& path);

  // The run completed: the kept originals go for good. One that cannot be removed keeps its
  // ".keep" name; no file the user wanted is lost.
  void Commit();

  // Removes every file created since and puts back the originals, newest first. The created
  // files must be closed. An original that cannot go back keeps its ".keep" name, never lost.
  void Undo();

 private:
  struct Entry {
    std::string path;
    std::string original;  // where the file that was there waits; empty when there was none
    bool created;          // the run creates the path (else it only removes what was there)
  };

  std::string SetAside(const std::string& path, const char* readOnlyText, const char* notKeptText);

  std::vector<Entry> entries_;
};

}  // namespace sundrel
