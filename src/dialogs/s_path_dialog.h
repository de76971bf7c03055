// The folder picker. For now it shows the system's browse-for-folder dialog.
#pragma once

#include <string>

#include "framework/component.h"

namespace sundrel {

class TsPathDialog : public TComponent {
 public:
  explicit TsPathDialog(TComponent* owner) : TComponent(owner) {}

  // In: the folder to start at. Out: the chosen folder, without a trailing backslash.
  const std::string& Path() const { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }
  // The top of the folder tree: "rfDesktop" or a path.
  const std::string& Root() const { return root_; }
  void SetRoot(std::string root) { root_ = std::move(root); }
  // The instruction line of the dialog.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  // When false, an existing start folder becomes the process's current folder.
  bool NoChangeDir() const { return noChangeDir_; }
  void SetNoChangeDir(bool noChangeDir) { noChangeDir_ = noChangeDir; }

  // True when the user confirmed a folder. Path changes only to an existing folder.
  bool Execute();

 private:
  std::string path_;
  std::string root_ = "rfDesktop";
  std::string caption_;
  bool noChangeDir_ = false;
};

}  // namespace sundrel
