#include "dialogs/s_path_dialog.h"

#include <windows.h>

#include "base/errors.h"
#include "base/utf.h"
#include "dialogs/path_dialog_form.h"
#include "framework/application.h"
#include "framework/file_checks.h"
#include "framework/folder_browser.h"
#include "framework/task_windows.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

namespace {

std::string WithoutTrailingBackslash(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

bool SkinIsActive() {
  const TsSkinManager* manager = DefaultManager();
  return manager != nullptr && manager->Active() && manager->SkinData().Active;
}

}  // namespace

bool TsPathDialog::Execute() {
  std::string start = path_;
  if (start == "." || !DirectoryExists(start)) start.clear();
  if (!noChangeDir_ && !start.empty() && !SetCurrentDirectoryW(ToWide(start).c_str())) {
    throw Exception("I/O error " + std::to_string(GetLastError()));
  }
  return SkinIsActive() ? ExecuteSkinned(start) : ExecuteSystem(start);
}

void TsPathDialog::Choose(const std::string& chosen) {
  if (!chosen.empty() && DirectoryExists(chosen)) path_ = WithoutTrailingBackslash(chosen);
}

bool TsPathDialog::ExecuteSkinned(const std::string& start) {
  const TOwned<TPathDialogForm> form(new TPathDialogForm(Application));
  form->sBitBtn3->SetVisible((dialogOptions_ & sdAllowCreate) != 0);
  form->SetTreeCaption(caption_);
  form->sShellTreeView1->SetRoot(root_);
  if (!start.empty()) {
    form->sShellTreeView1->SetPath(start);
  } else if (TTreeNode* first = form->sShellTreeView1->FirstNode()) {
    first->Select();
  }
  if (form->ShowModal() != mrOk) return false;
  Choose(form->sShellTreeView1->Path());
  return true;
}

bool TsPathDialog::ExecuteSystem(const std::string& start) {
  const HWND owner = Application != nullptr ? Application->Handle() : nullptr;
  const TaskWindowsDisabled disabled(nullptr);
  const std::optional<std::string> chosen = BrowseForFolder(owner, caption_, root_, start);
  if (!chosen) return false;
  Choose(*chosen);
  return true;
}

}  // namespace sundrel
