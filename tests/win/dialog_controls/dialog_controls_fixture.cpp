#include "dialog_controls_fixture.h"

#include <fstream>

#include "base/utf.h"
#include "framework_test_support.h"
#include "windows/dialog_controls/dialog_child_handler.h"

namespace sundrel::testing {

namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
  return TRUE;
}

}  // namespace

void DialogControlsTest::SetUp() {
  FrameworkTest::SetUp();
  folder = std::filesystem::temp_directory_path() / "sundrel-dialog-controls-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (const char* name : {"movie.vexl1", "movie.vexl2", "movie.vexl3"}) std::ofstream(folder / name) << name;
  form = application->CreateForm<TForm>();
  form->SetBounds(40, 40, 300, 200);
  manager = TidewaterManager(form, skins.Path());
  form->Show();
}

void DialogControlsTest::TearDown() {
  handlers.clear();
  FrameworkTest::TearDown();
  // The dialog makes the folder it ends in the current one, which keeps it from going.
  std::filesystem::current_path(folder.parent_path());
  std::filesystem::remove_all(folder);
}

void DialogControlsTest::SkinChildren(HWND dialog) {
  std::vector<HWND> children;
  EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    if (auto handler = MakeDialogChildHandler(child)) handlers.push_back(std::move(handler));
  }
}

bool DialogControlsTest::RunSkinned(TOpenDialog& dialog, const std::function<void(HWND)>& whileOpen) {
  WindowWatch watch([] { return FindThreadWindow(L"#32770"); },
                    [&](HWND window) {
                      SkinChildren(window);
                      // The dialog was painted before its controls were taken over.
                      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
                      whileOpen(window);
                    });
  const bool chosen = dialog.Execute();
  EXPECT_TRUE(watch.Seen());
  handlers.clear();
  return chosen;
}

std::string DialogControlsTest::InFolder(const char* name) const {
  return FromWide((folder / name).wstring());
}

}  // namespace sundrel::testing
