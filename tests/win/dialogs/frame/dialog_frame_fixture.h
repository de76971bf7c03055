// System dialogs skinned automatically with the program's own skin: the default manager of the
// provider tests, the skinning of forms and of system dialogs, a folder of part files, and an
// owner form for the dialogs.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/dialogs.h"
#include "framework/removal_token.h"
#include "provider_fixture.h"

namespace sundrel {
class TacDialogWnd;
}

namespace sundrel::testing {

class DialogFrameTest : public ProviderTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the dialog; once it shows skinned, `whileOpen` runs, which must close it (post a click).
  // Answers what Execute answered.
  bool RunSkinned(TOpenDialog& dialog, const std::function<void(HWND)>& whileOpen);
  std::string InFolder(const char* name) const;

  TRemovalToken dialogSkinning;
  std::filesystem::path folder;
  TForm* owner = nullptr;
};

// The frame handler of a skinned dialog, or nullptr.
TacDialogWnd* DialogFrameOf(HWND dialog);
// The visible "#32770" windows of this thread, in no particular order.
std::vector<HWND> ThreadDialogs();
// Pumps until the window answers as skinned; false when the bound ran out.
bool BecomesSkinned(HWND window);

}  // namespace sundrel::testing
