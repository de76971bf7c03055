// The picker as the main window uses it: Execute with a skin shows the picker's own window and
// gives the chosen folder; without one, the system's browser owned by the application window.
// Open/close cycles are counted for leaks, and the picker is saved as a picture.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "base/handles_win32.h"
#include "base/utf.h"
#include "dialogs/s_path_dialog.h"
#include "picker_fixture.h"
#include "png/png_writer.h"
#include "resource_count.h"
#include "screenshot_folder.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using PickerDialog = PickerTest;

// Runs Execute, doing `act` to the picker's window once it shows; false when it never showed.
bool ExecuteWith(TsPathDialog& dialog, bool& result, const std::function<void(TPathDialogForm&)>& act) {
  bool seen = false;
  WindowWatch watch([] { return FindThreadWindow(L"TPathDialogForm"); },
                    [&](HWND window) {
                      seen = true;
                      act(*static_cast<TPathDialogForm*>(TWinControl::FindControl(window)));
                    });
  result = dialog.Execute();
  return seen;
}

TEST_F(PickerDialog, OkGivesTheChosenFolderAndCancelOrAVirtualItemLeavesThePath) {
  struct Case {
    const char* name;
    bool selectComputer;
    TModalResult close;
    bool result;
    bool pathIsTheFolder;
  } cases[] = {
      {"OK", false, mrOk, true, true},
      {"Cancel", false, mrCancel, false, false},
      {"OK on the computer", true, mrOk, true, false},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    TsPathDialog dialog(nullptr);
    const std::string before = folder.Path() + "\\";  // as the main window gives it
    dialog.SetPath(before);
    bool result = !test.result;
    ASSERT_TRUE(ExecuteWith(dialog, result, [&](TPathDialogForm& picker) {
      if (test.selectComputer) ComputerNode(*picker.sShellTreeView1, folder.Path())->Select();
      picker.SetModalResult(test.close);
    }));
    EXPECT_EQ(result, test.result);
    EXPECT_EQ(dialog.Path(), test.pathIsTheFolder ? folder.Path() : before);
  }
}

TEST_F(PickerDialog, TheStartFolderBecomesCurrentAndTheCreateButtonFollowsTheOptions) {
  TsPathDialog dialog(nullptr);
  dialog.SetPath(folder.Path());
  dialog.SetDialogOptions(sdPrompt);
  bool createShown = true;
  std::string current;
  bool result = false;
  ASSERT_TRUE(ExecuteWith(dialog, result, [&](TPathDialogForm& picker) {
    createShown = picker.sBitBtn3->Visible();
    wchar_t folderNow[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, folderNow);
    current = FromWide(folderNow);
    picker.SetModalResult(mrCancel);
  }));
  EXPECT_FALSE(createShown);
  EXPECT_EQ(current, folder.Path());
}

TEST_F(PickerDialog, HundredOpenAndCloseCyclesLeaveNoObjectsBehind) {
  TsPathDialog dialog(nullptr);
  dialog.SetPath(folder.Path());
  bool result = false;
  const auto cycle = [&] {
    return ExecuteWith(dialog, result, [](TPathDialogForm& picker) { picker.SetModalResult(mrCancel); });
  };
  ASSERT_TRUE(cycle());  // the system's icons and the shell's caches fill once
  const TResourceCount before = CountResources();
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(cycle());
  EXPECT_EQ(CountResources(), before);
}

TEST_F(PickerDialog, Screenshot) {
  const std::string shots = ScreenshotFolder();
  if (shots.empty()) GTEST_SKIP() << "SUNDREL_SCREENSHOTS names no folder";
  CreateDirectoryW(ToWide(Scratch("Holidays")).c_str(), nullptr);
  CreateDirectoryW(ToWide(Scratch("Work")).c_str(), nullptr);
  OpenPicker();
  tree->SetPath(Scratch("Holidays"));
  tree->BoundLabel().SetCaption("Folder for the parts");
  PumpUntil([] { return false; }, 500);  // let every window paint
  RECT bounds;
  GetWindowRect(picker->Handle(), &bounds);
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  // One copy of the screen, read back top row first.
  const WindowDC screen(nullptr);
  const UniqueDC memory(CreateCompatibleDC(screen.get()));
  const UniqueBitmap picture(CreateCompatibleBitmap(screen.get(), width, height));
  {
    const SelectObjectGuard selected(memory.get(), picture.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), bounds.left, bounds.top, SRCCOPY);
  }
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint8_t> bgrx(static_cast<size_t>(width) * height * 4);
  GetDIBits(memory.get(), picture.get(), 0, static_cast<UINT>(height), bgrx.data(), &info, DIB_RGB_COLORS);
  std::vector<uint8_t> rgb;
  for (size_t i = 0; i < bgrx.size(); i += 4) rgb.insert(rgb.end(), {bgrx[i + 2], bgrx[i + 1], bgrx[i]});
  WritePng(shots + "folder-picker.png", width, height, rgb);
}

class UnskinnedPicker : public FrameworkTest {
 protected:
  test::TempDir folder;
};

TEST_F(UnskinnedPicker, ShowsTheSystemBrowserOwnedByTheApplicationWindow) {
  TForm* form = application->CreateForm<TForm>();
  form->Show();
  HWND owner = nullptr;
  bool formEnabled = true;
  WindowWatch watch([] { return FindThreadWindow(L"#32770"); },
                    [&](HWND browser) {
                      owner = GetWindow(browser, GW_OWNER);
                      formEnabled = IsWindowEnabled(form->Handle()) != FALSE;
                      PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
                    });
  TsPathDialog dialog(nullptr);
  dialog.SetPath(folder.Path());
  EXPECT_FALSE(dialog.Execute());
  ASSERT_TRUE(watch.Seen());
  EXPECT_EQ(owner, application->Handle());
  EXPECT_FALSE(formEnabled);
  EXPECT_EQ(dialog.Path(), folder.Path());
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

}  // namespace
}  // namespace sundrel
