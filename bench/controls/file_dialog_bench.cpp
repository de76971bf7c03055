// The system's open dialog with its frame and every control skinned, against the same dialog left
// native: how long it takes to open and cancel, and how long a whole repaint takes, with every
// picture rebuilt (as after a skin change) and from the caches (as after being uncovered). A timing program for the
// Windows trees; run it by hand under Wine, it is not a test:
//
//   scripts/lib/wine-run win32 build/win32/bench/controls/file_dialog_bench.exe [rounds] [native]
//
// Medians and fastest rounds are printed in microseconds. The dialog is reached from a thread
// timer while its own loop runs, polled every millisecond, the same for both kinds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/umain.h"
#include "framework/application.h"
#include "framework/dialogs.h"
#include "framework/removal_token.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/auto/auto_skinning.h"
#include "windows/dialog_frame/dialog_skinner.h"

namespace sundrel {
namespace {

struct Figures {
  double median = 0, fastest = 0;
};

Figures Summary(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.front()};
}

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1e6 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Drain() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  wchar_t name[16] = L"";
  GetClassNameW(window, name, 16);
  if (!IsWindowVisible(window) || std::wcscmp(name, L"#32770") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND ShownDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

BOOL CALLBACK MarkStale(HWND child, LPARAM) {
  SendSkinCommand(child, SMC_INVALIDATE_BG);
  return TRUE;
}

// What the timer does once the dialog shows: nothing but cancel it, or time its repaints first.
int gRepaintRounds = 0;
std::vector<double> gRebuilt, gCached;

void TimeRepaints(HWND dialog, bool rebuild, std::vector<double>& times) {
  for (int round = 0; round < gRepaintRounds; ++round) {
    Drain();
    const double start = Now();
    if (rebuild) {
      EnumChildWindows(dialog, MarkStale, 0);
      SendSkinCommand(dialog, SMC_INVALIDATE_BG);
    }
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    times.push_back(Now() - start);
  }
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = ShownDialog();
  if (dialog == nullptr) return;
  KillTimer(nullptr, timer);
  if (gRepaintRounds > 0) {
    // The file list comes after the dialog; let it arrive and paint before timing.
    for (int i = 0; i < 20; ++i) {
      Drain();
      Sleep(10);
    }
    TimeRepaints(dialog, true, gRebuilt);
    TimeRepaints(dialog, false, gCached);
  }
  PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
}

int Run(int rounds, bool native) {
  TApplication application;
  application.Initialize();
  TRemovalToken automaticSkinning, dialogSkinning;
  if (!native) {
    automaticSkinning = SkinWindowsAutomatically();
    dialogSkinning = SkinSystemDialogs();
  }
  auto* form = application.CreateForm<Tfrmmain>();
  form->Show();
  Drain();
  TOpenDialog dialog(form);
  const auto cycle = [&](int repaintRounds) {
    gRepaintRounds = repaintRounds;
    SetTimer(nullptr, 0, 1, OnTimer);
    const double start = Now();
    dialog.Execute();
    return Now() - start;
  };
  cycle(0);  // what the first dialog loads for the process's life
  std::vector<double> cycles;
  for (int i = 0; i < rounds; ++i) cycles.push_back(cycle(0));
  cycle(rounds);
  const Figures open = Summary(cycles), rebuilt = Summary(gRebuilt), cached = Summary(gCached);
  std::printf("%-34s %12s %12s\n", native ? "open dialog, native" : "open dialog, skinned", "median us", "fastest us");
  std::printf("%-34s %12.0f %12.0f\n", "opened and cancelled", open.median, open.fastest);
  std::printf("%-34s %12.0f %12.0f\n", "repainted, every picture rebuilt", rebuilt.median, rebuilt.fastest);
  std::printf("%-34s %12.0f %12.0f\n", "repainted from the caches", cached.median, cached.fastest);
  return 0;
}

}  // namespace
}  // namespace sundrel

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
  const bool native = argc > 2 && std::strcmp(argv[2], "native") == 0;
  return sundrel::Run(rounds, native);
}
