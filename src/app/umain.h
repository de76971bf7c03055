// The main window: a split page, a merge page and a bottom strip with the credits line and the
// quit button.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/background_work.h"
#include "controls/s_button.h"
#include "controls/s_edit.h"
#include "controls/s_gauge.h"
#include "controls/s_label.h"
#include "controls/s_label_fx.h"
#include "controls/s_page_control.h"
#include "controls/s_panel.h"
#include "controls/s_skin_manager.h"
#include "dialogs/s_dialogs.h"
#include "dialogs/s_path_dialog.h"
#include "framework/forms.h"
#include "framework/menus.h"
#include "framework/timer.h"
#include "windows/list_box/s_list_box.h"

namespace sundrel {

class Tfrmmain : public TForm {
 public:
  explicit Tfrmmain(TComponent* owner);

  // The window's components, all owned by it.
  TsPageControl* sPageControl1;
  TsTabSheet* sTabSheet1;
  TsTabSheet* sTabSheet2;
  TsPanel* sPanel1;
  TsSkinManager* sSkinManager1;
  TsButton* sbtn2;
  TsEdit* sedt1;
  TsOpenDialog* sod1;
  TsLabel* slbl2;
  TsEdit* sedt2;
  TsButton* sbtn1;
  TsPathDialog* spdlg1;
  TTimer* tmr1;
  TsLabel* slbl1;
  TsButton* sbtn3;
  TsButton* sbtn4;
  TsButton* sbtn6;
  TsListBox* slst1;
  TsButton* sbtn7;
  TsSaveDialog* ssdlg1;
  TsLabelFX* sLabelFX1;
  TPopupMenu* pm1;
  TMenuItem* N1;
  TMenuItem* N2;
  TMenuItem* N3;
  TMenuItem* N4;
  // Shown over the bottom strip only while a split or merge runs: its progress and its stop.
  TsPanel* sPanel2;
  TsGauge* sGauge1;
  TsLabel* slbl3;
  TsButton* sbtn5;
  TTimer* tmr2;

  void sbtn2Click(TObject* sender);
  void FormCreate(TObject* sender);
  void sbtn1Click(TObject* sender);
  void tmr1Timer(TObject* sender);
  void sbtn4Click(TObject* sender);
  void sbtn3Click(TObject* sender);
  void sbtn6Click(TObject* sender);
  void sbtn7Click(TObject* sender);
  void sLabelFX1Click(TObject* sender);
  void N1Click(TObject* sender);
  void N3Click(TObject* sender);
  void N4Click(TObject* sender);
  void sbtn5Click(TObject* sender);
  void tmr2Timer(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);

  // Posted by the worker thread when a run is over.
  static constexpr UINT kWorkFinished = WM_APP + 1;
  bool Working() const { return work_ != nullptr; }

 protected:
  void CreateParams(TCreateParams& params) const override;
  void WndProc(TMessage& message) override;

 private:
  void CreateSplitPage();
  void CreateMergePage();
  void CreateBottomPanel();
  void CreateSkinManager();
  void CreateNonVisualComponents();
  void CreateWorkStrip();
  void CreateProgressTimer();

  // Runs the job on a worker thread; its end shows one of the texts or reports its error.
  void StartWork(BackgroundWork::Job job, const char* finishedText, const char* cancelledText);
  void WorkFinished();
  void ShowWorking(bool working);

  void SetSource(const std::string& path);
  // Puts files chosen or dropped together in part order, offers the rest of a set whose first
  // part came alone, and appends them to the merge list.
  void AddToMergeList(const std::vector<std::string>& files);
  void FilesDropped(WPARAM drop);
  bool AskYesNo(const std::string& question);
  // The system message box with the program's title; answers the button pressed (IDYES, ...).
  int Ask(const std::string& question, unsigned buttons);
  // Windows is ending the session: stop a run and wait, for a while, until it has rolled back.
  bool EndSessionAllowed();

  std::unique_ptr<BackgroundWork> work_;
  std::string workFinishedText_;
  std::string workCancelledText_;
  unsigned long long workStarted_ = 0;  // tick count
  bool closeAfterWork_ = false;
  TNotifyEvent Handler(void (Tfrmmain::*method)(TObject*));
};

}  // namespace sundrel
