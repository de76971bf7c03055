// The folder picker: while a skin is active it shows the program's own window with the shell's
// folder tree (TPathDialogForm); otherwise the system's browse-for-folder dialog.
#pragma once

#include <string>

#include "framework/component.h"

namespace sundrel {

enum TsPathDialogOption : unsigned { sdAllowCreate = 1, sdPerformCreate = 2, sdPrompt = 4 };
using TsPathDialogOptions = unsigned;

class TsPathDialog : public TComponent {
 public:
  explicit TsPathDialog(TComponent* owner) : TComponent(owner) {}

  // In: the folder to start at. Out: the chosen folder, without a trailing backslash.
  const std::string& Path() const { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }
  // The top of the folder tree: "rfDesktop", another root name or a path.
  const std::string& Root() const { return root_; }
  void SetRoot(std::string root) { root_ = std::move(root); }
  // The line above the tree, or the system dialog's instruction line.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  // When false, an existing start folder becomes the process's current folder.
  bool NoChangeDir() const { return noChangeDir_; }
  void SetNoChangeDir(bool noChangeDir) { noChangeDir_ = noChangeDir; }
  // sdAllowCreate shows the Create button; the others are kept with the component.
  TsPathDialogOptions DialogOptions() const { return dialogOptions_; }
  void SetDialogOptions(TsPathDialogOptions options) { dialogOptions_ = options; }

  // True when the user confirmed a folder. Path changes only to an existing folder, so a
  // confirmed virtual item (the computer) answers true with Path as it was.
  bool Execute();

 private:
  bool ExecuteSkinned(const std::string& start);
  bool ExecuteSystem(const std::string& start);
  // Takes the chosen path when it names an existing folder.
  void Choose(const std::string& chosen);

  std::string path_;
  std::string root_ = "rfDesktop";
  std::string caption_;
  bool noChangeDir_ = false;
  TsPathDialogOptions dialogOptions_ = sdAllowCreate | sdPerformCreate | sdPrompt;
};

}  // namespace sundrel
