#include "dialog_frame_fixture.h"

#include <fstream>

#include "base/utf.h"
#include "windows/dialog_frame/ac_dialog_wnd.h"
#include "windows/dialog_frame/dialog_skinner.h"

namespace sundrel::testing {

namespace {

BOOL CALLBACK CollectDialog(HWND window, LPARAM found) {
  if (IsWindowVisible(window) && ClassNameOf(window) == L"#32770") {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  }
  return TRUE;
}

}  // namespace

void DialogFrameTest::SetUp() {
  ProviderTest::SetUp();
  Manager();
  dialogSkinning = SkinSystemDialogs();
  folder = std::filesystem::temp_directory_path() / "sundrel-dialog-frame-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (const char* name : {"movie.vexl1", "movie.vexl2", "movie.vexl3"}) std::ofstream(folder / name) << name;
  owner = ShownForm();
}

void DialogFrameTest::TearDown() {
  dialogSkinning.Remove();
  ProviderTest::TearDown();
  // The dialog makes the folder it ends in the current one, which keeps it from going.
  std::filesystem::current_path(folder.parent_path());
  std::filesystem::remove_all(folder);
}

bool DialogFrameTest::RunSkinned(TOpenDialog& dialog, const std::function<void(HWND)>& whileOpen) {
  if (dialog.FileName().empty()) dialog.SetFileName(InFolder("movie.vexl1"));
  WindowWatch watch([] { return FindThreadWindow(L"#32770"); },
                    [&](HWND window) {
                      EXPECT_TRUE(BecomesSkinned(window));
                      whileOpen(window);
                    });
  const bool chosen = dialog.Execute();
  EXPECT_TRUE(watch.Seen());
  return chosen;
}

std::string DialogFrameTest::InFolder(const char* name) const {
  return FromWide((folder / name).wstring());
}

TacDialogWnd* DialogFrameOf(HWND dialog) {
  return dynamic_cast<TacDialogWnd*>(TacMainWnd::Find(dialog));
}

std::vector<HWND> ThreadDialogs() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool BecomesSkinned(HWND window) {
  return PumpUntil([window] { return AnswersSkinned(window); }, 5000);
}

}  // namespace sundrel::testing
