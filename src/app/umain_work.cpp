// The main window's runs in the background: the strip that shows their progress and stops them,
// their start, their end, and closing the window while one runs.
#include <windows.h>

#include <utility>

#include "app/form_layout.h"
#include "app/progress_text.h"
#include "app/umain.h"
#include "app/window_texts.h"
#include "base/utf.h"
#include "framework/application.h"
#include "framework/message_form.h"

namespace sundrel {

namespace {

constexpr unsigned kProgressInterval = 50;  // milliseconds between two looks at the progress

}  // namespace

void Tfrmmain::CreateWorkStrip() {
  // Over the credits line, left of the exit button, which it leaves where it is.
  sPanel2 = Place<TsPanel>(this, sPanel1, "sPanel2", {8, 3, 390, 25});
  sPanel2->SetBevelOuter(bvNone);
  sPanel2->SetCaption("");
  sPanel2->SetVisible(false);
  sPanel2->SetTabOrder(1);

  sGauge1 = Place<TsGauge>(this, sPanel2, "sGauge1", {0, 4, 130, 17});
  sGauge1->SetRange(0, 100);

  slbl3 = Place<TsLabel>(this, sPanel2, "slbl3", {136, 6, 190, 13});
  slbl3->SetAutoSize(false);
  slbl3->SetCaption("");
  UseSmallFont(slbl3);

  sbtn5 = Place<TsButton>(this, sPanel2, "sbtn5", {330, 1, 60, 23});
  sbtn5->SetCaption(kCancelCaption);
  sbtn5->SetCancel(true);  // Esc stops the run
  sbtn5->OnClick = Handler(&Tfrmmain::sbtn5Click);
}

void Tfrmmain::CreateProgressTimer() {
  tmr2 = new TTimer(this);
  tmr2->SetName("tmr2");
  tmr2->SetEnabled(false);
  tmr2->SetInterval(kProgressInterval);
  tmr2->OnTimer = Handler(&Tfrmmain::tmr2Timer);
}

void Tfrmmain::CreateParams(TCreateParams& params) const {
  TForm::CreateParams(params);
  params.ExStyle |= WS_EX_ACCEPTFILES;  // files dropped from the shell come as WM_DROPFILES
}

void Tfrmmain::WndProc(TMessage& message) {
  switch (message.Msg) {
    case kWorkFinished:
      WorkFinished();
      return;
    case WM_QUERYENDSESSION:
      message.Result = EndSessionAllowed() ? TRUE : FALSE;
      return;
    case WM_DROPFILES:
      FilesDropped(message.WParam);
      return;
  }
  TForm::WndProc(message);
}

void Tfrmmain::StartWork(BackgroundWork::Job job, const char* finishedText, const char* cancelledText) {
  // One run at a time: a second click that slipped in (a key held down, a queued message) would
  // write the same files from two threads.
  if (Working()) return;
  workFinishedText_ = finishedText;
  workCancelledText_ = cancelledText;
  workStarted_ = GetTickCount64();
  HWND window = Handle();
  work_ = std::make_unique<BackgroundWork>(
      [job = std::move(job)](const WorkObserver& observer) {
        // The copy gives way to the window whenever both want the processor.
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
        job(observer);
      },
      [window] { PostMessageW(window, kWorkFinished, 0, 0); });
  ShowWorking(true);
}

void Tfrmmain::ShowWorking(bool working) {
  sbtn2->SetEnabled(!working);
  sbtn6->SetEnabled(!working);
  sbtn7->SetEnabled(!working);
  tmr1Timer(this);  // the folder and split buttons at once, not at the next tick
  sGauge1->SetPosition(0);
  slbl3->SetCaption("");
  sbtn5->SetEnabled(true);
  sPanel2->SetVisible(working);
  tmr2->SetEnabled(working);
  if (working) sbtn5->SetFocus();
}

void Tfrmmain::tmr2Timer(TObject*) {
  if (!Working()) return;
  // The posted word may be lost (a full message queue); the worker's own flag is the truth.
  if (work_->Done()) {
    WorkFinished();
    return;
  }
  const WorkProgress progress = work_->Progress();
  sGauge1->SetPosition(ProgressPercent(progress.done, progress.total));
  const double seconds = static_cast<double>(GetTickCount64() - workStarted_) / 1000;
  const std::string text = ProgressText(progress.done, progress.total, seconds);
  if (text != slbl3->Caption()) slbl3->SetCaption(text);
}

void Tfrmmain::sbtn5Click(TObject*) {
  if (!Working()) return;
  work_->Cancel();
  sbtn5->SetEnabled(false);
}

void Tfrmmain::WorkFinished() {
  // A stray or late message while no run, or a run still going, is over: nothing to do (and
  // never a wait for the worker on this thread).
  if (!Working() || !work_->Done()) return;
  const std::unique_ptr<BackgroundWork> work = std::move(work_);
  ShowWorking(false);
  if (std::exchange(closeAfterWork_, false)) {
    try {
      work->Finish();
    } catch (const EOperationCancelled&) {
      // Asked for by closing the window: nothing to tell.
    } catch (...) {
      HandleCurrentException();
    }
    Close();
    return;
  }
  // A failure goes on to the window's error report, as it did when the run was in the click.
  try {
    work->Finish();
  } catch (const EOperationCancelled&) {
    ShowMessage(workCancelledText_);
    return;
  }
  ShowMessage(workFinishedText_);
}

void Tfrmmain::FormClose(TObject*, TCloseAction& action) {
  if (!Working()) return;
  action = caNone;
  if (!work_->Cancelling() && !AskYesNo(SCancelAndClose)) return;
  // The run may have ended while the question was open.
  if (!Working()) {
    action = caHide;
    return;
  }
  work_->Cancel();
  sbtn5->SetEnabled(false);
  closeAfterWork_ = true;
}

bool Tfrmmain::AskYesNo(const std::string& question) {
  return Ask(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

int Tfrmmain::Ask(const std::string& question, unsigned buttons) {
  const std::string title = Application != nullptr ? Application->Title() : Caption();
  return MessageBoxW(Handle(), ToWide(question).c_str(), ToWide(title).c_str(), buttons);
}

// We answer only once the run has rolled back, rather than blocking the shutdown with a reason
// (ShutdownBlockReasonCreate) while it does: rolling back is renames and deletions, not copying,
// so it takes a moment even for a split into many parts, well within the few seconds Windows
// waits before it offers to end the program. Blocking would put the user in front of the "this
// app is preventing shutdown" screen for that moment. Only when the rollback has not finished
// within the bound is the shutdown refused, so that the process is never ended half way through
// putting the folder back; the run then ends as after a cancel.
bool Tfrmmain::EndSessionAllowed() {
  if (!Working()) return true;
  constexpr unsigned long long kRollbackWait = 4000;  // milliseconds
  work_->Cancel();
  sbtn5->SetEnabled(false);
  const unsigned long long start = GetTickCount64();
  while (!work_->Done() && GetTickCount64() - start < kRollbackWait) Sleep(20);
  if (!work_->Done()) return false;
  const std::unique_ptr<BackgroundWork> work = std::move(work_);
  ShowWorking(false);
  try {
    work->Finish();
  } catch (...) {
    // The session ends: a cancelled or failed run has put the folder back, nothing to tell.
  }
  return true;
}

}  // namespace sundrel
