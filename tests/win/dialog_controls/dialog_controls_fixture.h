// The system's open dialog on a form whose manager shows the program's own skin, with every child
// of the dialog given its handler the way the dialog's skinning does, while the dialog is open.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/dialogs.h"
#include "tidewater_controls.h"
#include "windows/handlers/ac_main_wnd.h"

namespace sundrel::testing {

class DialogControlsTest : public FrameworkTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the dialog; once it shows, its children get their handlers and `whileOpen` runs, which
  // must close it (post a click). Answers what Execute answered; the handlers go afterwards.
  bool RunSkinned(TOpenDialog& dialog, const std::function<void(HWND)>& whileOpen);
  // Every descendant of the window that gets a handler gets it.
  void SkinChildren(HWND dialog);

  std::string InFolder(const char* name) const;

  FreshSlots fresh;
  test::TempDir skins;
  std::filesystem::path folder;
  TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  std::vector<std::unique_ptr<TacMainWnd>> handlers;
};

}  // namespace sundrel::testing
