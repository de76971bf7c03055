// The main window repainted whole, as after a skin change (every control's picture rebuilt) and
// as after being uncovered (every control copies its cached picture). A timing program for the
// Windows trees; run it by hand under Wine, it is not a test:
//
//   scripts/lib/wine-run win32 build/win32/bench/controls/main_window_paint_bench.exe [rounds] [rebuilt|cached]
//
// Each round repaints the window (RedrawWindow with every child, at once) and the median and the
// fastest round are printed in microseconds; both kinds of repaint unless one is named. The times
// include Wine's own painting (the window frame, the system's edit text and the server round
// trips); bench/controls/own_code_time.sh tells the program's own share apart.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/umain.h"
#include "framework/application.h"
#include "skin/manager/skin_command_win32.h"

namespace sundrel {
namespace {

BOOL CALLBACK MarkStale(HWND child, LPARAM) {
  SendSkinCommand(child, SMC_INVALIDATE_BG);
  return TRUE;
}

void Drain() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

struct Figures {
  double median = 0, fastest = 0;
};

Figures Repaints(HWND window, bool rebuild, int rounds) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int round = 0; round < rounds; ++round) {
    Drain();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    if (rebuild) EnumChildWindows(window, MarkStale, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    QueryPerformanceCounter(&end);
    times.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.front()};
}

enum class Kinds { Both, Rebuilt, Cached };

int Run(int rounds, Kinds kinds) {
  TApplication application;
  application.Initialize();
  auto* form = application.CreateForm<Tfrmmain>();
  form->Show();
  Drain();
  const HWND window = form->Handle();
  std::printf("%-28s %12s %12s\n", "main window repaint", "median us", "fastest us");
  for (const bool rebuild : {true, false}) {
    if (kinds == (rebuild ? Kinds::Cached : Kinds::Rebuilt)) continue;
    const Figures f = Repaints(window, rebuild, rounds);
    std::printf("%-28s %12.0f %12.0f\n", rebuild ? "every picture rebuilt" : "from the caches", f.median, f.fastest);
  }
  return 0;
}

}  // namespace
}  // namespace sundrel

int main(int argc, char** argv) {
  using sundrel::Kinds;
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;
  const char* kind = argc > 2 ? argv[2] : "";
  const Kinds kinds = std::strcmp(kind, "rebuilt") == 0  ? Kinds::Rebuilt
                      : std::strcmp(kind, "cached") == 0 ? Kinds::Cached
                                                         : Kinds::Both;
  return sundrel::Run(rounds, kinds);
}
