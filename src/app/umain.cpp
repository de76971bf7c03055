#include "app/umain.h"

// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <vector>

#include "app/form_layout.h"
#include "app/part_names.h"
#include "app/split_merge.h"
#include "app/split_request.h"
#include "app/window_texts.h"
#include "base/errors.h"
#include "base/path_text.h"
#include "base/stream.h"
#include "base/utf.h"
#include "framework/file_checks.h"
#include "framework/message_form.h"
#include "windows/menus/skinned_menus.h"

namespace sundrel {

namespace {

constexpr const char* kContactLink = "mailto:author@sundrel.example;support@sundrel.example";
constexpr const char* kCredits = "Sundrel 作者：石头工作室";

}  // namespace

void UseSmallFont(TControl* control) {
  TFont& font = control->Font();
  font.SetName("MS Sans Serif");
  font.SetHeight(-11);
  font.SetStyle(0);
  font.SetColor(clBlack);
}

namespace {

// The edits' bound labels stay inactive, but keep the small font should they be switched on.
void ConfigureEdit(TsEdit* edit) {
  edit->SkinData().SetSkinSection("EDIT");
  TsBoundLabel& label = edit->BoundLabel();
  label.SetIndent(0);
  label.SetLayout(sclLeft);
  label.SetMaxWidth(0);
  label.SetUseSkinColor(true);
  UseSmallFont(edit);
  TFont font;
  font.Assign(edit->Font());
  font.SetColor(clWindowText);
  label.SetFont(font);
}

}  // namespace

Tfrmmain::Tfrmmain(TComponent* owner) : TForm(owner) {
  BeginLoading();
  SetName("frmmain");
  SetCaption("Sundrel V1.1");
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize);
  SetPosition(poScreenCenter);
  SetScreenSnap(true);
  SetColor(clBtnFace);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-13);
  Font().SetStyle(0);
  Font().SetColor(clWindowText);
  Font().SetCharset(DEFAULT_CHARSET);
  SetClientSize(508, 231);
  OnCreate = Handler(&Tfrmmain::FormCreate);
  OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };

  sPageControl1 = Place<TsPageControl>(this, this, "sPageControl1", {0, 0, 508, 200});
  sPageControl1->SetAlign(alClient);
  CreateSplitPage();
  CreateMergePage();
  sPageControl1->SetActivePage(sTabSheet1);
  CreateBottomPanel();
  sPageControl1->SetTabOrder(0);
  sPanel1->SetTabOrder(1);
  // After the controls, as the window's resource lists them: the manager is told last that the
  // window is loaded, and so announces its skin to controls that are all loaded already.
  CreateSkinManager();
  CreateNonVisualComponents();
  EndLoading();
  DoCreate();
}

TNotifyEvent Tfrmmain::Handler(void (Tfrmmain::*method)(TObject*)) {
  return [this, method](TObject* sender) { (this->*method)(sender); };
}

void Tfrmmain::CreateSplitPage() {
  sTabSheet1 = new TsTabSheet(this);
  sTabSheet1->SetName("sTabSheet1");
  sTabSheet1->SetCaption("文件分割");
  sTabSheet1->SetPageControl(sPageControl1);

  slbl2 = Place<TsLabel>(this, sTabSheet1, "slbl2", {8, 112, 129, 13});
  slbl2->SetAutoSize(false);
  slbl2->SetCaption("输入平均划分成的数目");
  UseSmallFont(slbl2);

  slbl1 = Place<TsLabel>(this, sTabSheet1, "slbl1", {104, 76, 417, 13});
  slbl1->SetAutoSize(false);
  slbl1->SetCaption("slbl1");
  UseSmallFont(slbl1);

  sbtn2 = Place<TsButton>(this, sTabSheet1, "sbtn2", {8, 8, 113, 25});
  sbtn2->SetCaption("打开要均分的文件");
  sbtn2->OnClick = Handler(&Tfrmmain::sbtn2Click);
  sbtn2->SkinData().SetSkinSection("BUTTON");

  sedt1 = Place<TsEdit>(this, sTabSheet1, "sedt1", {8, 40, 481, 21});
  sedt1->SetReadOnly(true);
  sedt1->SetColor(clWhite);
  ConfigureEdit(sedt1);
  sedt1->SetText("sedt1");

  sedt2 = Place<TsEdit>(this, sTabSheet1, "sedt2", {144, 106, 41, 21});
  sedt2->SetColor(clWhite);
  ConfigureEdit(sedt2);
  sedt2->SetText("sedt2");

  sbtn1 = Place<TsButton>(this, sTabSheet1, "sbtn1", {8, 72, 89, 25});
  sbtn1->SetCaption("指定保存目录");
  sbtn1->OnClick = Handler(&Tfrmmain::sbtn1Click);
  sbtn1->SkinData().SetSkinSection("BUTTON");

  sbtn3 = Place<TsButton>(this, sTabSheet1, "sbtn3", {9, 144, 88, 25});
  sbtn3->SetCaption("开始分割");
  sbtn3->OnClick = Handler(&Tfrmmain::sbtn3Click);
  sbtn3->SkinData().SetSkinSection("BUTTON");

  sbtn2->SetTabOrder(0);
  sedt1->SetTabOrder(1);
  sedt2->SetTabOrder(2);
  sbtn1->SetTabOrder(3);
  sbtn3->SetTabOrder(4);
}

void Tfrmmain::CreateMergePage() {
  sTabSheet2 = new TsTabSheet(this);
  sTabSheet2->SetName("sTabSheet2");
  sTabSheet2->SetCaption("文件合并");
  sTabSheet2->SetPageControl(sPageControl1);

  sbtn6 = Place<TsButton>(this, sTabSheet2, "sbtn6", {8, 144, 145, 25});
  sbtn6->SetCaption("按顺序添加要合并的文件");
  sbtn6->OnClick = Handler(&Tfrmmain::sbtn6Click);
  sbtn6->SkinData().SetSkinSection("BUTTON");

  slst1 = Place<TsListBox>(this, sTabSheet2, "slst1", {0, 0, 500, 138});
  slst1->SetAlign(alTop);
  slst1->SetMultiSelect(true);
  slst1->SetItemHeight(13);
  slst1->SetColor(clWhite);
  UseSmallFont(slst1);
  slst1->SetShowHint(true);

  sbtn7 = Place<TsButton>(this, sTabSheet2, "sbtn7", {169, 144, 88, 25});
  sbtn7->SetCaption("开始合并");
  sbtn7->OnClick = Handler(&Tfrmmain::sbtn7Click);
  sbtn7->SkinData().SetSkinSection("BUTTON");

  sbtn6->SetTabOrder(0);
  slst1->SetTabOrder(1);
  sbtn7->SetTabOrder(2);
}

void Tfrmmain::CreateBottomPanel() {
  sPanel1 = Place<TsPanel>(this, this, "sPanel1", {0, 200, 508, 31});
  sPanel1->SetAlign(alBottom);
  sPanel1->SetCaption("");
  sPanel1->SkinData().SetSkinSection("PANEL");

  sLabelFX1 = Place<TsLabelFX>(this, sPanel1, "sLabelFX1", {17, 5, 224, 22});
  sLabelFX1->SetAutoSize(false);
  sLabelFX1->SetCaption(kCredits);
  TFont& font = sLabelFX1->Font();
  font.SetName("MS Sans Serif");
  font.SetHeight(-13);
  font.SetStyle(fsBold | fsUnderline);
  font.SetColor(clBlack);
  sLabelFX1->SetColor(clRed);
  sLabelFX1->Kind().SetKindType(ktStandard);
  sLabelFX1->Kind().SetColor(clBlack);
  sLabelFX1->Shadow().SetColor(clRed);
  sLabelFX1->Shadow().SetBlurCount(8);
  sLabelFX1->Shadow().SetDistance(2);
  sLabelFX1->SetHint("联系作者");
  sLabelFX1->SetShowHint(true);
  sLabelFX1->OnClick = Handler(&Tfrmmain::sLabelFX1Click);

  sbtn4 = Place<TsButton>(this, sPanel1, "sbtn4", {404, 3, 97, 23});
  sbtn4->SetCaption("退出");
  sbtn4->OnClick = Handler(&Tfrmmain::sbtn4Click);
  sbtn4->SkinData().SetSkinSection("BUTTON");
  sbtn4->SetTabOrder(0);
  CreateWorkStrip();
}

void Tfrmmain::CreateSkinManager() {
  sSkinManager1 = new TsSkinManager(this);
  sSkinManager1->SetName("sSkinManager1");
  TacMenuSupport& menus = sSkinManager1->MenuSupport();
  menus.IcoLineSkin = "ICOLINE";
  menus.ExtraLineFont().SetName("MS Sans Serif");
  menus.ExtraLineFont().SetHeight(-11);
  menus.ExtraLineFont().SetColor(clWindowText);
  sSkinManager1->SetSkinDirectory("c:\\Skins");
  sSkinManager1->SetSkinInfo("5.4");
  try {
    AddInternalSkin(sSkinManager1->InternalSkins());
    sSkinManager1->SetSkinName(kInternalSkinName);
  } catch (...) {
    // Splitting and merging need no skin: whatever kept the program's own skin from loading (a
    // missing resource, a failed allocation), the user hears why and works with the native look.
    ShowPackWarning(FormatText(SSkinNotLoaded, {kInternalSkinName, CurrentExceptionMessage()}));
    sSkinManager1->SetActive(false);
  }
}

void Tfrmmain::CreateNonVisualComponents() {
  sod1 = new TsOpenDialog(this);
  sod1->SetName("sod1");
  sod1->SetFilter("所有类型文件|||*.*");

  spdlg1 = new TsPathDialog(this);
  spdlg1->SetName("spdlg1");
  spdlg1->SetRoot("rfDesktop");

  tmr1 = new TTimer(this);
  tmr1->SetName("tmr1");
  tmr1->SetInterval(200);
  tmr1->OnTimer = Handler(&Tfrmmain::tmr1Timer);

  ssdlg1 = new TsSaveDialog(this);
  ssdlg1->SetName("ssdlg1");
  ssdlg1->SetOptions(ofOverwritePrompt | ofHideReadOnly | ofEnableSizing);

  pm1 = new TPopupMenu(this);
  pm1->SetName("pm1");
  const struct {
    TMenuItem** field;
    const char* name;
    const char* caption;
    void (Tfrmmain::*click)(TObject*);
  } items[] = {
      {&N1, "N1", "全选", &Tfrmmain::N1Click},
      {&N2, "N2", "-", nullptr},
      {&N3, "N3", "删除选中", &Tfrmmain::N3Click},
      {&N4, "N4", "全部删除", &Tfrmmain::N4Click},
  };
  for (const auto& item : items) {
    TMenuItem* menuItem = new TMenuItem(this);
    menuItem->SetName(item.name);
    menuItem->SetCaption(item.caption);
    if (item.click != nullptr) menuItem->OnClick = Handler(item.click);
    pm1->Items()->Add(menuItem);
    *item.field = menuItem;
  }
  slst1->SetPopupMenu(pm1);
  CreateProgressTimer();
}

void Tfrmmain::FormCreate(TObject*) {
  sedt1->SetText("");
  sedt2->SetText("3");
  slbl1->SetCaption("");
  slst1->Clear();
}

void Tfrmmain::sbtn2Click(TObject*) {
  sod1->SetFilter("所有文件|*.*");
  sod1->SetFilterIndex(1);
  sod1->SetOptions(ofHideReadOnly | ofEnableSizing);
  if (!sod1->Execute()) return;
  SetSource(sod1->FileName());
}

void Tfrmmain::SetSource(const std::string& path) {
  sedt1->SetText(path);
  slbl1->SetCaption(ExtractFilePath(path));
}

void Tfrmmain::sbtn1Click(TObject*) {
  spdlg1->SetPath(ExtractFilePath(sedt1->Text()));
  if (spdlg1->Execute()) slbl1->SetCaption(spdlg1->Path());
}

void Tfrmmain::tmr1Timer(TObject*) {
  sbtn1->SetEnabled(!Working() && FileExists(sedt1->Text()));
  sbtn3->SetEnabled(sbtn1->Enabled());
}

void Tfrmmain::sbtn3Click(TObject*) {
  const std::string sourcePath = sedt1->Text();
  // Nobody else may change the source while it is cut; it is closed before any message shows
  // (the worker lets it go before it tells the window that the run is over).
  auto source = std::make_shared<TFileStream>(sourcePath, FileMode::OpenRead, FileShare::Exclusive);
  const SplitRequest request = CheckSplitRequest(source->Size(), sedt2->Text());
  if (!request.refusal.empty()) {
    source.reset();
    ShowMessage(request.refusal);
    return;
  }
  const std::string folder = slbl1->Caption();
  HigherParts higherParts = HigherParts::Keep;
  const std::vector<std::string> higher =
      HigherPartsOnDisk(NormalizeFolderText(folder) + ExtractFileName(sourcePath), request.partCount);
  if (!higher.empty()) {
    // Left beside the new parts, they would be offered and merged with them later.
    const int answer =
        Ask(FormatText(SRemoveHigherParts, {ExtractFileName(higher.front()), ExtractFileName(higher.back())}),
            MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return;
    if (answer == IDYES) higherParts = HigherParts::Remove;
  }
  StartWork(
      [source = std::move(source), count = request.partCount, folder, sourcePath, higherParts](
          const WorkObserver& observer) { SplitFile(*source, count, folder, sourcePath, &observer, higherParts); },
      SSplitFinished, SSplitCancelled);
}

void Tfrmmain::sbtn6Click(TObject*) {
  sod1->SetFilter("局部文件|*.*");
  sod1->SetFilterIndex(1);
  sod1->SetOptions(ofHideReadOnly | ofEnableSizing | ofAllowMultiSelect);
  if (!sod1->Execute()) return;
  AddToMergeList(sod1->Files().ToVector());
}

void Tfrmmain::sbtn7Click(TObject*) {
  if (slst1->Items().Count() == 0) return;
  const std::optional<std::string> outputName = MergeOutputName(slst1->Items()[0]);
  if (!outputName) return;
  const std::vector<std::string> items = slst1->Items().ToVector();
  // Told before anything is written: a list that cannot be one split's parts in order would
  // give a wrong file that looks finished.
  const std::vector<MergeFinding> findings = CheckMergeList(items);
  if (!findings.empty()) {
    std::string list;
    for (const MergeFinding& finding : findings) list += (list.empty() ? "" : "\n") + finding.text;
    if (Ask(FormatText(SMergeFindings, {list}), MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) != IDOK) return;
  }
  ssdlg1->SetFileName(*outputName);
  if (!ssdlg1->Execute()) return;
  StartWork(
      [items, output = ssdlg1->FileName()](const WorkObserver& observer) { MergeParts(items, output, &observer); },
      SMergeFinished, SMergeCancelled);
}

void Tfrmmain::N1Click(TObject*) {
  for (int i = 0; i < slst1->Count(); ++i) slst1->SetSelected(i, true);
}

void Tfrmmain::N3Click(TObject*) {
  slst1->DeleteSelected();
}

void Tfrmmain::N4Click(TObject*) {
  slst1->Clear();
}

void Tfrmmain::sLabelFX1Click(TObject*) {
  // With the link's default verb. What the shell answers is not the program's business: it
  // reports its own failures.
  ShellExecuteW(Handle(), nullptr, ToWide(kContactLink).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Tfrmmain::sbtn4Click(TObject*) {
  Close();
}

}  // namespace sundrel
