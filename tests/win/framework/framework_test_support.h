// What the framework's Windows tests share: an application object per test, message pumping
// until a condition holds (also until the screen settles), and help with windows that run their
// own modal loop.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/application.h"
#include "framework/timer.h"
#include "screen_capture.h"

namespace sundrel::testing {

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::unique_ptr<TApplication> application;
};

// Handles messages until the condition holds; false when the bound ran out.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// Handles messages until two captures of the screen area 100 ms apart are the same: every
// repaint has landed. A failure when it never settles.
TScreenShot SettledCapture(const RECT& area);

// A visible top-level window of this thread with the class (and caption, when given).
HWND FindThreadWindow(const std::wstring& className, const std::wstring& caption = L"");
std::wstring ClassNameOf(HWND window);
// The first descendant of the class, depth first, or none.
HWND FindDescendant(HWND window, const wchar_t* className);
// The edit field of the explorer-style file dialog's name box.
HWND NameBox(HWND fileDialog);
std::string WindowTextOf(HWND window);
std::string ClipboardText();

// Watches from inside whatever message loop runs (a modal form, a message box) for a window
// and hands it to `action` once, then stops watching.
class WindowWatch {
 public:
  WindowWatch(std::function<HWND()> find, std::function<void(HWND)> action);
  bool Seen() const { return seen_; }

 private:
  TOwned<TTimer> timer_;
  bool seen_ = false;
};

}  // namespace sundrel::testing
