// The system's open and save dialogs.
#pragma once

#include <string>

#include "framework/component.h"
#include "framework/strings.h"

namespace sundrel {

enum TOpenOption : unsigned {
  ofOverwritePrompt = 1,   // the save dialog asks before an existing file is replaced
  ofHideReadOnly = 2,      // no "open as read-only" check box
  ofAllowMultiSelect = 4,  // several files may be chosen
  ofEnableSizing = 8,      // the dialog can be resized
};
using TOpenOptions = unsigned;

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

  // Pairs of description and pattern, all separated by "|": "Text files|*.txt|All files|*.*".
  const std::string& Filter() const { return filter_; }
  void SetFilter(std::string filter) { filter_ = std::move(filter); }
  // 1 for the first pair.
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int index) { filterIndex_ = index; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions options) { options_ = options; }
  // Proposed when the dialog opens (a full path opens the dialog in its folder); afterwards
  // the first chosen file.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string name) { fileName_ = std::move(name); }
  // Every chosen file with its full path, in the order the dialog gave them.
  const TStrings& Files() const { return files_; }

  // Shows the dialog, owned by the application's active window; false when cancelled.
  virtual bool Execute();

 protected:
  bool RunDialog(bool save);

 private:
  std::string filter_;
  int filterIndex_ = 1;
  TOpenOptions options_ = ofHideReadOnly | ofEnableSizing;
  std::string fileName_;
  TStringList files_;
};

class TSaveDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;
  bool Execute() override;
};

}  // namespace sundrel
