// Records the skin commands that reach controls and windows, in the order they arrive, so that
// a test can compare them with a table (the way Wine's message tests do).
#pragma once

#include <windows.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "framework/control.h"

namespace sundrel::testing {

class SkinCommandLog {
 public:
  enum class Route {
    Window,  // sent to the control's window
    Method,  // handed straight to the control's message method
  };
  struct Entry {
    std::string who;
    int code;
    LPARAM lParam;
    Route route;
    bool operator==(const Entry&) const = default;
  };

  SkinCommandLog();
  ~SkinCommandLog();
  SkinCommandLog(const SkinCommandLog&) = delete;
  SkinCommandLog& operator=(const SkinCommandLog&) = delete;

  // Every command that reaches the control's message method, and whether it came through the
  // control's window. The control's window, when it has one, must exist already.
  void Watch(TControl& control, std::string name);
  // Every command sent to a plain window. With skinnedAnswer set, the window answers
  // SMC_IS_SKINNED with it (as a window handler does) instead of passing it on.
  void WatchWindow(HWND window, std::string name, LRESULT skinnedAnswer = 0);

  const std::vector<Entry>& Entries() const { return entries_; }
  // Only the entries of one command code.
  std::vector<Entry> Only(int code) const;
  void Clear() { entries_.clear(); }

 private:
  struct Watched;
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR data);

  std::vector<Entry> entries_;
  std::vector<std::unique_ptr<Watched>> watched_;
};

void PrintTo(const SkinCommandLog::Entry& entry, std::ostream* out);

}  // namespace sundrel::testing
