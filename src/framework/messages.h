// The message record of the framework and its own notifications. Controls receive system
// messages and these notifications through one message method, `WndProc(TMessage&)`.
#pragma once

#include <windows.h>

namespace sundrel {

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Framework notifications. They travel by direct dispatch (Perform), never through the system's
// queue, so they also reach windowless controls and controls whose window does not exist yet.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;     // WParam: virtual key; Result 1 when it was used
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;  // LParam: the control that has the focus now
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
// LParam 0 for the control that the mouse entered or left; its parents get the same
// notification with LParam = that control.
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
inline constexpr UINT CM_ENTER = CM_BASE + 26;
inline constexpr UINT CM_EXIT = CM_BASE + 27;

// Messages that a native control sends to its parent come back to the control itself as
// CN_BASE + the original message, so each control handles its own notifications.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;

}  // namespace sundrel
