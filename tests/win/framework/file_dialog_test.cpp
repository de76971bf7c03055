// The system's open dialog as the program uses it: what a cancelled run leaves, and several files
// chosen at once coming back as full paths.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/utf.h"
#include "framework/dialogs.h"
#include "framework/forms.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

using sundrel::testing::FindThreadWindow;
using sundrel::testing::NameBox;
using sundrel::testing::WindowWatch;

class FileDialogs : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    folder = std::filesystem::temp_directory_path() / "sundrel-file-dialog-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const char* name : {"movie.vexl1", "movie.vexl2", "movie.vexl3"}) std::ofstream(folder / name) << name;
    form = application->CreateForm<TForm>();
    form->Show();
  }
  void TearDown() override {
    FrameworkTest::TearDown();
    // The dialog makes the folder it ends in the current one, which keeps it from going.
    std::filesystem::current_path(folder.parent_path());
    std::filesystem::remove_all(folder);
  }

  // Types the names into the dialog once it shows and presses the button.
  static WindowWatch Answer(const std::wstring& names, int button) {
    return WindowWatch([] { return FindThreadWindow(L"#32770"); },
                       [names, button](HWND dialog) {
                         SetWindowTextW(NameBox(dialog), names.c_str());
                         PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
                       });
  }

  std::string InFolder(const char* name) const { return FromWide((folder / name).wstring()); }

  std::filesystem::path folder;
  TForm* form = nullptr;
};

TEST_F(FileDialogs, SeveralFilesChosenTogetherComeBackAsFullPathsTheFirstAsTheFileName) {
  TOpenDialog dialog(form);
  dialog.SetOptions(ofHideReadOnly | ofAllowMultiSelect | ofEnableSizing);
  dialog.SetFileName(InFolder("movie.vexl1"));
  WindowWatch watch = Answer(L"\"movie.vexl1\" \"movie.vexl2\" \"movie.vexl3\"", IDOK);
  ASSERT_TRUE(dialog.Execute());
  ASSERT_EQ(dialog.Files().Count(), 3);
  std::vector<std::string> files = dialog.Files().ToVector();
  std::sort(files.begin(), files.end());  // the order is the system dialog's own
  EXPECT_EQ(files,
            (std::vector<std::string>{InFolder("movie.vexl1"), InFolder("movie.vexl2"), InFolder("movie.vexl3")}));
  EXPECT_EQ(dialog.FileName(), dialog.Files()[0]);
}

TEST_F(FileDialogs, ACancelledRunKeepsTheFileNameAndForgetsTheFilesChosenBefore) {
  TOpenDialog dialog(form);
  dialog.SetFileName(InFolder("movie.vexl2"));
  {
    WindowWatch chosen = Answer(L"movie.vexl2", IDOK);
    ASSERT_TRUE(dialog.Execute());
  }
  ASSERT_EQ(dialog.Files().Count(), 1);
  const std::string before = dialog.FileName();
  WindowWatch cancelled = Answer(L"movie.vexl3", IDCANCEL);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), before);
  EXPECT_EQ(dialog.Files().Count(), 0);
}

}  // namespace
}  // namespace sundrel
