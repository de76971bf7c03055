// What the framework's Windows tests share: an application object per test, message pumping
// until a condition holds, and help with windows that run their own modal loop.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/control.h"
#include "framework/messages.h"
#include "framework/timer.h"

namespace sundrel::testing {

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::unique_ptr<TApplication> application;
};

// Handles messages until the condition holds; false when the bound ran out.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// A visible top-level window of this thread with the class (and caption, when given).
HWND FindThreadWindow(const std::wstring& className, const std::wstring& caption = L"");
std::wstring ClassNameOf(HWND window);
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

// Records the framework notifications (CM_...) that reach a control's message method, in order.
class MessageLog {
 public:
  // Hooks the control's messages; they still go on to the control.
  void Attach(TControl& control, std::string name) {
    hooks_.push_back(control.MessageHooks().Add([this, name](TMessage& message, const TPassOn& passOn) {
      if (message.Msg >= CM_BASE && message.Msg < CN_BASE) entries_.push_back({name, message.Msg, message.LParam});
      passOn(message);
    }));
  }
  struct Entry {
    std::string control;
    UINT msg;
    LPARAM lParam;
    bool operator==(const Entry&) const = default;
  };
  const std::vector<Entry>& Entries() const { return entries_; }
  std::vector<Entry> Only(UINT msg) const;
  void Clear() { entries_.clear(); }

 private:
  std::vector<Entry> entries_;
  std::vector<TRemovalToken> hooks_;
};

void PrintTo(const MessageLog::Entry& entry, std::ostream* out);

}  // namespace sundrel::testing
