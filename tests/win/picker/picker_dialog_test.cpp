// The picker as the main window uses it: Execute with a skin shows the picker's own window and
// gives the chosen folder; without one, the system's browser owned by the application window.
// Open/close cycles are counted for leaks.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/utf.h"
#include "dialogs/s_path_dialog.h"
#include "leak_cycles.h"
#include "picker_fixture.h"
#include "resource_count.h"

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

TEST_F(PickerDialog, AFolderMadeWithCreateIsChosenByTheSecondOk) {
  TsPathDialog dialog(nullptr);
  dialog.SetPath(folder.Path());
  bool result = false;
  TModalResult afterFirstOk = mrOk;
  ASSERT_TRUE(ExecuteWith(dialog, result, [&](TPathDialogForm& picker) {
    picker.sBitBtn3->Click();
    picker.sBitBtn1->Click();  // ends the typing of the name
    afterFirstOk = picker.ModalResult();
    picker.sBitBtn1->Click();
  }));
  EXPECT_EQ(afterFirstOk, mrNone);
  EXPECT_TRUE(result);
  EXPECT_EQ(dialog.Path(), Scratch("New folder1"));
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

TEST_F(PickerDialog, TheLabelOverTheTreeShowsTheCaptionAndNothingWithoutOne) {
  struct Case {
    const char* caption;
    std::vector<std::string> shown;
  } cases[] = {
      {"", {}},
      {"Folder for the parts", {"Folder for the parts"}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.caption);
    TsPathDialog dialog(nullptr);
    dialog.SetPath(folder.Path());
    dialog.SetCaption(test.caption);
    std::vector<std::string> shown;
    bool result = false;
    ASSERT_TRUE(ExecuteWith(dialog, result, [&](TPathDialogForm& picker) {
      for (int i = 0; i < picker.ControlCount(); ++i) {
        const auto* label = dynamic_cast<const TCustomLabel*>(picker.Controls(i));
        if (label != nullptr && label->Visible()) shown.push_back(label->Caption());
      }
      picker.SetModalResult(mrCancel);
    }));
    EXPECT_EQ(shown, test.shown);
  }
}

TEST_F(PickerDialog, OpenAndCloseCyclesLeakNoObjects) {
  TsPathDialog dialog(nullptr);
  dialog.SetPath(folder.Path());
  bool result = false;
  const auto cycle = [&] {
    return ExecuteWith(dialog, result, [](TPathDialogForm& picker) { picker.SetModalResult(mrCancel); });
  };
  ASSERT_TRUE(cycle());  // the system's icons and the shell's caches fill once
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) ASSERT_TRUE(cycle());
  EXPECT_EQ(CountResources(), before);
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
