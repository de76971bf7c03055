// Measures the program's start from inside, in a build for measuring only (the shipped program
// reads no command line). Not a test: run it by hand, several times, and take the median.
//
//   startup_probe start   the program's own start: from the creation of the process to the end
//                         of the main window's first paint (the window and every control in it)
//                         with the skin active, with the stages on the way
//   startup_probe skin    in a cold process of its own, what the main window's skin manager does
//                         at start: create, load the program's own skin and announce it
// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdio>
#include <cstring>

#include "app/umain.h"
#include "framework/application.h"
#include "skin/manager/internal_skin_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {
namespace {

// Milliseconds since the process was created.
double SinceProcessStart() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

bool mainWindowPainted = false;

LRESULT CALLBACK NoteFirstPaint(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  const LRESULT result = DefSubclassProc(window, msg, wParam, lParam);
  if (msg == WM_PAINT) mainWindowPainted = true;
  return result;
}

int MeasureStart() {
  const double entered = SinceProcessStart();
  TApplication application;
  application.Initialize();
  application.SetTitle("Sundrel");
  const double beforeWindow = SinceProcessStart();
  auto* form = application.CreateForm<Tfrmmain>();
  const double windowBuilt = SinceProcessStart();

  // What Run does, watching for the moment when nothing of the thread waits to be painted.
  form->HandleNeeded();
  SetWindowSubclass(form->Handle(), NoteFirstPaint, 1, 0);
  form->Show();
  while (!mainWindowPainted || (GetQueueStatus(QS_PAINT) & QS_PAINT) != 0) application.HandleMessage();
  const double painted = SinceProcessStart();
  const bool skinActive = form->sSkinManager1->SkinInfo() != kNoSkinInfo;
  RemoveWindowSubclass(form->Handle(), NoteFirstPaint, 1);

  std::printf("process start to main: %.1f ms\n", entered);
  std::printf("main to window built (skin loaded and announced): %.1f ms\n", windowBuilt - beforeWindow);
  std::printf("process start to first paint done: %.1f ms (skin active: %s)\n", painted, skinActive ? "yes" : "no");
  return skinActive ? 0 : 1;
}

int MeasureSkin() {
  LARGE_INTEGER frequency, start, loaded, announced;
  QueryPerformanceFrequency(&frequency);
  TApplication application;
  application.Initialize();
  QueryPerformanceCounter(&start);
  TOwned<TsSkinManager> manager(new TsSkinManager(nullptr));
  AddInternalSkin(manager->InternalSkins());
  manager->SetSkinDirectory("c:\\Skins");
  manager->SetSkinName(kInternalSkinName);
  QueryPerformanceCounter(&loaded);
  manager->AnnounceSkin();
  QueryPerformanceCounter(&announced);
  const auto ms = [&](const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
  };
  std::printf("skin created, loaded and announced: %.2f ms; announced once more: %.2f ms\n", ms(start, loaded),
              ms(loaded, announced));
  return manager->SkinInfo() != kNoSkinInfo ? 0 : 1;
}

}  // namespace
}  // namespace sundrel

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "start") == 0) return sundrel::MeasureStart();
  if (argc == 2 && std::strcmp(argv[1], "skin") == 0) return sundrel::MeasureSkin();
  std::fprintf(stderr, "usage: startup_probe start | skin\n");
  return 2;
}
