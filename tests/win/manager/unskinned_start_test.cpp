// A program whose own skin cannot be loaded still starts: this test program is linked without
// the skin resource, as a damaged or stripped program would be.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/umain.h"
#include "base/utf.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

using sundrel::testing::FindThreadWindow;
using sundrel::testing::WindowWatch;

class UnskinnedStart : public sundrel::testing::FrameworkTest {};

TEST_F(UnskinnedStart, TheMainWindowComesUpWithTheNativeLookAfterAWarning) {
  std::string warning;
  WindowWatch watch([] { return FindThreadWindow(L"#32770", L"Warning"); },
                    [&](HWND box) {
                      wchar_t text[512] = {};
                      GetDlgItemTextW(box, 0xFFFF, text, 512);
                      warning = FromWide(text);
                      PostMessageW(box, WM_COMMAND, IDOK, 0);
                    });
  Tfrmmain* form = application->CreateForm<Tfrmmain>();

  EXPECT_TRUE(watch.Seen());
  EXPECT_EQ(warning,
            "The skin \"Tidewater (internal)\" could not be loaded: The program's skin resource \"TIDEWATER_ASZ\" is "
            "missing");
  TsSkinManager* manager = form->sSkinManager1;
  EXPECT_FALSE(manager->Active());
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  EXPECT_FALSE(manager->HookInstalled()) << "no window is taken over by a skin that is not there";
  EXPECT_EQ(manager->GetSkinIndex("BUTTON"), -1);
  form->Show();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

}  // namespace
}  // namespace sundrel
