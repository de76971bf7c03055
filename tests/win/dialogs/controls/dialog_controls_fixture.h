// A shown form whose manager shows the program's own skin, for native controls of the kinds a
// system dialog holds, given their handlers the way a dialog's skinning does; the handlers go
// before the form.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "tidewater_controls.h"
#include "windows/handlers/ac_main_wnd.h"

namespace sundrel::testing {

class DialogControlsTest : public FrameworkTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  FreshSlots fresh;
  test::TempDir skins;
  TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  std::vector<std::unique_ptr<TacMainWnd>> handlers;
};

}  // namespace sundrel::testing
