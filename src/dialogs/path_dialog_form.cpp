#include "dialogs/path_dialog_form.h"

#include "base/path_text.h"
#include "base/utf.h"
#include "dialogs/new_folder_name.h"
#include "framework/file_checks.h"
#include "framework/message_box.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {

namespace {

constexpr int kMinWidth = 275;
constexpr int kMinHeight = 250;

}  // namespace

TPathDialogForm::TPathDialogForm(TComponent* owner) : TForm(owner) {
  BeginLoading();
  SetName("PathDialogForm");
  SetBorderStyle(bsSizeToolWin);
  SetPosition(poScreenCenter);
  SetScaled(false);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  SetBounds(0, 0, 319, 397);
  OnCreate = [this](TObject* sender) { FormCreate(sender); };

  sShellTreeView1 = new TsShellTreeView(this);
  sShellTreeView1->SetName("sShellTreeView1");
  sShellTreeView1->SetBounds(8, 20, 295, 299);
  sShellTreeView1->SetParent(this);
  sShellTreeView1->SetTabOrder(0);
  sShellTreeView1->SetObjectTypes(otFolders);
  sShellTreeView1->SetShowLines(false);
  sShellTreeView1->SetShowRoot(false);
  sShellTreeView1->SetIndent(19);
  sShellTreeView1->SkinData().SetSkinSection("EDIT");
  sShellTreeView1->BoundLabel().SetLayout(sclTopLeft);
  sShellTreeView1->BoundLabel().SetIndent(4);
  sShellTreeView1->OnChange = [this](TObject* sender, TTreeNode* node) { sShellTreeView1Change(sender, node); };

  sBitBtn1 = PlaceButton("sBitBtn1", 137, 328, 1);
  sBitBtn1->SetDefault(true);
  sBitBtn1->SetModalResult(mrOk);
  sBitBtn1->OnClick = [this](TObject* sender) { sBitBtn1Click(sender); };
  sBitBtn2 = PlaceButton("sBitBtn2", 214, 328, 2);
  sBitBtn2->SetCancel(true);
  sBitBtn2->SetModalResult(mrCancel);
  sBitBtn2->OnClick = [this](TObject* sender) { sBitBtn2Click(sender); };
  sBitBtn3 = PlaceButton("sBitBtn3", 12, 328, 3);
  sBitBtn3->SetEnabled(false);
  sBitBtn3->OnClick = [this](TObject* sender) { sBitBtn3Click(sender); };

  sEdit1 = new TsEdit(this);
  sEdit1->SetName("sEdit1");
  sEdit1->SetBounds(8, 288, 289, 21);
  sEdit1->SetVisible(false);
  sEdit1->SetParent(this);
  sEdit1->SetTabOrder(4);

  AttachSkinProvider();
  EndLoading();
  DoCreate();
}

TsButton* TPathDialogForm::PlaceButton(const char* name, int left, int top, int tabOrder) {
  auto* button = new TsButton(this);
  button->SetName(name);
  button->SetBounds(left, top, 75, 25);
  button->SetShowFocus(false);
  button->SetParent(this);
  button->SetTabOrder(tabOrder);
  return button;
}

void TPathDialogForm::AttachSkinProvider() {
  // Owned by the form like its controls: the automatic skinning finds the form skinned already
  // and makes no provider of its own.
  sSkinProvider1 = new TsSkinProvider(this);
  sSkinProvider1->SetName("sSkinProvider1");
  sSkinProvider1->SkinData().SetSkinSection("DIALOG");
  sSkinProvider1->SetCaptionAlignment(taCenter);
  sSkinProvider1->SetGripMode(gmRightBottom);
  sSkinProvider1->SetMakeSkinMenu(false);
  sSkinProvider1->SetShowAppIcon(false);
}

void TPathDialogForm::SetTreeCaption(const std::string& caption) {
  TsBoundLabel& label = sShellTreeView1->BoundLabel();
  label.SetCaption(caption);
  label.SetActive(!caption.empty());
}

void TPathDialogForm::FormCreate(TObject*) {
  SetCaption(SSelectDirectory);
  sBitBtn1->SetCaption(SOKButton);
  sBitBtn2->SetCaption(SCancelButton);
  sBitBtn3->SetCaption(SCreateButton);
  sShellTreeView1->SetAnchors(akLeft | akTop | akRight | akBottom);
  sBitBtn1->SetAnchors(akRight | akBottom);
  sBitBtn2->SetAnchors(akRight | akBottom);
  sBitBtn3->SetAnchors(akLeft | akBottom);
  // The dialog commands find OK and Cancel by the identifiers every dialog gives them.
  SetWindowLongPtrW(sBitBtn1->Handle(), GWLP_ID, IDOK);
  SetWindowLongPtrW(sBitBtn2->Handle(), GWLP_ID, IDCANCEL);
}

void TPathDialogForm::sShellTreeView1Change(TObject*, TTreeNode*) {
  const bool folder = DirectoryExists(sShellTreeView1->Path());
  sBitBtn1->SetEnabled(folder);
  sBitBtn3->SetEnabled(folder);
}

void TPathDialogForm::sBitBtn1Click(TObject*) {
  if (!sShellTreeView1->IsEditing()) return;
  // Enter while a name is typed ends the typing, not the picker.
  SetModalResult(mrNone);
  sShellTreeView1->EndEdit(false);
  sShellTreeView1->SetFocus();
}

void TPathDialogForm::sBitBtn2Click(TObject*) {
  if (sShellTreeView1->IsEditing()) SetModalResult(mrNone);
}

void TPathDialogForm::sBitBtn3Click(TObject*) {
  const std::string parent = sShellTreeView1->Path();
  if (parent.empty()) return;
  const std::optional<std::string> name = NewFolderName(parent, DirectoryExists);
  if (name) CreateDirectoryW(ToWide(*name).c_str(), nullptr);
  if (!name || !DirectoryExists(*name)) {
    // With every numbered name taken, the box names the plain stem.
    ShowErrorBox("Directory " + name.value_or(IncludeTrailingPathDelimiter(parent) + "New folder") +
                 " can`t be created!");
    return;
  }
  sShellTreeView1->RefreshNode(sShellTreeView1->Selected());
  TTreeNode* selected = sShellTreeView1->Selected();
  for (TTreeNode* child = selected != nullptr ? selected->FirstChild() : nullptr; child != nullptr;
       child = child->NextSibling()) {
    if (TacCustomShellTreeView::FolderOf(child)->PathName() != *name) continue;
    child->Select();
    sShellTreeView1->SetFocus();
    child->Expand(true);
    child->EditText();
    return;
  }
}

void TPathDialogForm::WndProc(TMessage& message) {
  TForm::WndProc(message);
  if (message.Msg == WM_GETMINMAXINFO) {
    auto* limits = reinterpret_cast<MINMAXINFO*>(message.LParam);
    limits->ptMinTrackSize = POINT{kMinWidth, kMinHeight};
  }
}

}  // namespace sundrel
