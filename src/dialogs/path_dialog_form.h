// The folder picker's own window: the shell's folder tree with OK, Cancel and Create (which
// makes a new folder in the selected one and opens its name for editing), in a resizable tool
// window drawn by the skin.
#pragma once

#include <string>

#include "controls/s_button.h"
#include "controls/s_edit.h"
#include "dialogs/shell_tree/ac_shell_tree_view.h"
#include "framework/forms.h"

namespace sundrel {

class TsSkinProvider;

// The window's texts.
inline constexpr const char* SSelectDirectory = "Select directory";
inline constexpr const char* SOKButton = "OK";
inline constexpr const char* SCancelButton = "Cancel";
inline constexpr const char* SCreateButton = "Create";

class TPathDialogForm : public TForm {
 public:
  explicit TPathDialogForm(TComponent* owner);

  TsShellTreeView* sShellTreeView1 = nullptr;
  TsButton* sBitBtn1 = nullptr;  // OK
  TsButton* sBitBtn2 = nullptr;  // Cancel
  TsButton* sBitBtn3 = nullptr;  // Create
  TsEdit* sEdit1 = nullptr;      // not used
  TsSkinProvider* sSkinProvider1 = nullptr;

  // The text over the tree. Without one there is no label: an empty caption would show the
  // tree's own name.
  void SetTreeCaption(const std::string& caption);

  void FormCreate(TObject* sender);
  void sShellTreeView1Change(TObject* sender, TTreeNode* node);
  void sBitBtn1Click(TObject* sender);
  void sBitBtn2Click(TObject* sender);
  void sBitBtn3Click(TObject* sender);

 protected:
  void WndProc(TMessage& message) override;

 private:
  TsButton* PlaceButton(const char* name, int left, int top, int tabOrder);
  void AttachSkinProvider();
};

}  // namespace sundrel
