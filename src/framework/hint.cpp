#include "framework/hint.h"

// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>

#include "base/handles_win32.h"
#include "base/utf.h"
#include "framework/control.h"

namespace sundrel {

namespace {

constexpr UINT_PTR kToolId = 1;

struct HintState {
  UniqueWindow tip;
  UniqueTimer pause;  // waits before the hint shows
  TControl* control = nullptr;
  bool shown = false;
};

HintState& State() {
  static HintState state;
  return state;
}

TTTOOLINFOW ToolInfo(HWND tip, std::wstring* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = tip;
  tool.uId = kToolId;
  tool.lpszText = text != nullptr ? text->data() : nullptr;
  return tool;
}

HWND TipWindow() {
  HintState& state = State();
  if (!state.tip) {
    state.tip.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0,
                                    0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    std::wstring empty;
    TTTOOLINFOW tool = ToolInfo(state.tip.get(), &empty);
    SendMessageW(state.tip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  return state.tip.get();
}

void CALLBACK ShowHintNow(HWND, UINT, UINT_PTR, DWORD) {
  HintState& state = State();
  state.pause.Stop();
  if (state.control == nullptr) return;
  HWND tip = TipWindow();
  if (tip == nullptr) return;
  std::wstring text = ToWide(state.control->Hint());
  TTTOOLINFOW tool = ToolInfo(tip, &text);
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  POINT cursor;
  GetCursorPos(&cursor);
  SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) * 2 / 3));
  SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  state.shown = true;
}

}  // namespace

void CancelHint() {
  HintState& state = State();
  state.pause.Stop();
  if (state.shown) {
    TTTOOLINFOW tool = ToolInfo(state.tip.get(), nullptr);
    SendMessageW(state.tip.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  }
  state.shown = false;
  state.control = nullptr;
}

void HintMouseEntered(TControl* control) {
  CancelHint();
  if (control == nullptr || !control->ShowHint() || control->Hint().empty()) return;
  State().control = control;
  State().pause.Start(nullptr, 0, kHintPauseMs, ShowHintNow);
}

}  // namespace sundrel
