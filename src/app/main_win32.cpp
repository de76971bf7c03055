// Program start: the application titled "Sundrel", its main window, and the message loop until
// the main window closes.
#include <windows.h>

#include "app/umain.h"
#include "framework/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  sundrel::TApplication application;
  try {
    application.Initialize();
    application.SetTitle("Sundrel");
    application.CreateForm<sundrel::Tfrmmain>();
    application.Run();
  } catch (...) {
    sundrel::HandleCurrentException();
    return 1;
  }
  return 0;
}
