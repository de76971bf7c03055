// The main window started fresh for each test, with a folder of its own for the test's files and
// the steps that many tests take through its controls.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver.h"

namespace sundrel::e2e {

constexpr const char* kSplitFinished = "文件分割完毕";
constexpr const char* kMergeFinished = "文件合并完毕";

inline std::string Setting(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) throw std::runtime_error(std::string("Set ") + name);
  return WindowsPath(value);
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { program = std::make_unique<Program>(Setting("SUNDREL_EXE")); }
  void TearDown() override { program.reset(); }

  // Chooses the file to split through the open dialog and waits for the split buttons.
  void ChooseSource(const std::string& path) {
    Click(program->Button("打开要均分的文件"));
    program->ChooseInFileDialog(path);
    ASSERT_EQ(TextOf(program->Children(L"TsEdit").at(0)), path);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(program->Button("开始分割")) != FALSE; }));
    ASSERT_TRUE(IsWindowEnabled(program->Button("指定保存目录")));
  }

  HWND CountEdit() const {
    for (HWND edit : program->Children(L"TsEdit")) {
      if ((GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) == 0) return edit;
    }
    throw std::runtime_error("No part count edit");
  }

  std::string SplitWithCount(const std::string& countText) {
    TypeInto(CountEdit(), countText);
    Click(program->Button("开始分割"));
    return program->ReadAndCloseMessage();
  }

  void AddToList(const std::string& folder, const std::vector<std::string>& names) {
    Click(program->Button("按顺序添加要合并的文件"));
    program->ChooseFilesInFileDialog(folder, names);
  }

  TempFolder folder;
  std::unique_ptr<Program> program;
};

}  // namespace sundrel::e2e
