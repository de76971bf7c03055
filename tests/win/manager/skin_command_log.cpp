#include "skin_command_log.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/win_control.h"
#include "skin/skin_command_win32.h"

namespace sundrel::testing {

struct SkinCommandLog::Watched {
  SkinCommandLog* log;
  std::string name;
  HWND window = nullptr;
  bool plainWindow = false;
  LRESULT skinnedAnswer = 0;
  int insideWindow = 0;  // > 0 while the window passes a message on to the control
  TRemovalToken hook{};
};

SkinCommandLog::SkinCommandLog() = default;

SkinCommandLog::~SkinCommandLog() {
  for (const auto& watched : watched_) {
    if (watched->window != nullptr && IsWindow(watched->window)) {
      RemoveWindowSubclass(watched->window, &WindowProcedure, reinterpret_cast<UINT_PTR>(watched.get()));
    }
  }
}

void SkinCommandLog::Watch(TControl& control, std::string name) {
  auto& watched = *watched_.emplace_back(new Watched{this, std::move(name)});
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (windowed != nullptr && windowed->HandleAllocated()) {
    watched.window = windowed->Handle();
    SetWindowSubclass(watched.window, &WindowProcedure, reinterpret_cast<UINT_PTR>(&watched),
                      reinterpret_cast<DWORD_PTR>(&watched));
  }
  watched.hook = control.MessageHooks().Add([&watched](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == SM_SKINCMD) {
      watched.log->entries_.push_back({watched.name, SkinCommandCode(message.WParam), message.LParam,
                                       watched.insideWindow > 0 ? Route::Window : Route::Method});
    }
    passOn(message);
  });
}

void SkinCommandLog::WatchWindow(HWND window, std::string name, LRESULT skinnedAnswer) {
  auto& watched = *watched_.emplace_back(new Watched{this, std::move(name), window, true, skinnedAnswer});
  SetWindowSubclass(window, &WindowProcedure, reinterpret_cast<UINT_PTR>(&watched),
                    reinterpret_cast<DWORD_PTR>(&watched));
}

LRESULT CALLBACK SkinCommandLog::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR data) {
  auto& watched = *reinterpret_cast<Watched*>(data);
  if (msg == SM_SKINCMD && watched.plainWindow) {
    const int code = SkinCommandCode(wParam);
    watched.log->entries_.push_back({watched.name, code, lParam, Route::Window});
    if (code == SMC_IS_SKINNED && watched.skinnedAnswer != 0) return watched.skinnedAnswer;
  }
  ++watched.insideWindow;
  const LRESULT result = DefSubclassProc(window, msg, wParam, lParam);
  --watched.insideWindow;
  return result;
}

std::vector<SkinCommandLog::Entry> SkinCommandLog::Only(int code) const {
  std::vector<Entry> only;
  std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(only),
               [code](const Entry& entry) { return entry.code == code; });
  return only;
}

void PrintTo(const SkinCommandLog::Entry& entry, std::ostream* out) {
  *out << "{" << entry.who << ", code " << entry.code << ", lParam " << entry.lParam << ", "
       << (entry.route == SkinCommandLog::Route::Window ? "window" : "method") << "}";
}

}  // namespace sundrel::testing
