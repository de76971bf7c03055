// Where the order of messages is the behaviour (notifications, skin commands, focus, hooks, the
// end of a paint), tests record what arrives and compare it with a table of expected messages,
// the way Wine's conformance tests do: each entry says how the message came (sent, posted, to
// the parent, or handed straight to a control's message method) and the table marks the
// messages that may be missing and the parameters that must match.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "framework/control.h"
#include "framework/removal_token.h"
#include "framework/window_subclass.h"

namespace sundrel::testing {

// The flags as Wine's tests write them: `sent | lparam`.
namespace message_flags {
enum TMessageFlag : unsigned {
  sent = 0x1,       // through the window's procedure, sent
  posted = 0x2,     // through the window's procedure, taken from the message queue
  performed = 0x4,  // handed straight to a control's message method (Perform), no window involved
  parent = 0x8,     // at a window or control watched as the parent of the others
  wparam = 0x10,    // in an expected entry: wParam must match
  lparam = 0x20,    // in an expected entry: lParam must match
  optional = 0x40,  // in an expected entry: the message may be missing
};
}  // namespace message_flags
using namespace message_flags;

struct TRecordedMessage {
  std::string window;  // the name it was watched under
  UINT msg = 0;
  unsigned flags = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};
using TMessageSequence = std::vector<TRecordedMessage>;

class TMessageRecorder {
 public:
  // Records the messages that `wanted` accepts, at every window and control it watches.
  explicit TMessageRecorder(std::function<bool(UINT msg)> wanted);
  ~TMessageRecorder();
  TMessageRecorder(const TMessageRecorder&) = delete;
  TMessageRecorder& operator=(const TMessageRecorder&) = delete;

  // Every message that reaches the control's message method, through its window (which must
  // exist already when it has one) or directly. `role` may be `parent`.
  void Watch(TControl& control, std::string name, unsigned role = 0);
  // Every message that the window's procedure gets.
  void Watch(HWND window, std::string name, unsigned role = 0);

  const TMessageSequence& Entries() const { return entries_; }
  TMessageSequence Only(UINT msg) const;
  void Clear() { entries_.clear(); }

 private:
  struct Watched;
  std::function<bool(UINT)> wanted_;
  TMessageSequence entries_;
  std::vector<std::unique_ptr<Watched>> watched_;
  UniqueHook queueHook_;
};

// Filters for the recorder.
std::function<bool(UINT)> Messages(std::initializer_list<UINT> messages);
// The framework's own notifications (CM_...).
bool FrameworkNotification(UINT msg);

// Compares what was recorded with the expected table: window, message and how it came must match
// in order, parameters where the table asks; optional entries may be left out.
::testing::AssertionResult SequenceMatches(const TMessageSequence& seen, const TMessageSequence& expected);

void PrintTo(const TRecordedMessage& message, std::ostream* out);

}  // namespace sundrel::testing
