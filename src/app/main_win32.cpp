// Program start: the application titled "Sundrel", its main window, and the message loop until
// the main window closes.
#include <windows.h>

#include "app/umain.h"
#include "framework/application.h"
#include "windows/auto/auto_skinning.h"
#include "windows/dialog_frame/dialog_skinner.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  sundrel::TApplication application;
  // Every window the program shows takes the skin when it is first activated.
  const sundrel::TRemovalToken automaticSkinning = sundrel::SkinWindowsAutomatically();
  // System dialogs among them: message boxes, the open and save dialogs.
  const sundrel::TRemovalToken dialogSkinning = sundrel::SkinSystemDialogs();
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
