// The skin command message: one window message by which the skin manager, skinned controls,
// forms and window handlers talk. The command code travels in the high word of wParam, a
// command's flag in the low word; lParam is the command's parameter (often the skin manager, so
// that a receiver can ignore the commands of another manager).
//
// Answers come back in one of three ways, fixed per command: the result of sending; the LParam
// field of a message record handed directly to a framework control's message method (AskControl);
// or a slot of the shared slots (paint/shared_slots.h: ParentImage, BackFillColor), which the
// receiver writes while the asker's send is still running.
#pragma once

#include <windows.h>

#include "framework/control.h"
#include "framework/messages.h"
#include "paint/shared_slots.h"

namespace sundrel {

// A fixed number, so that every window of the process agrees on it without any exchange.
inline constexpr UINT SM_SKINCMD = 0xA100;

inline constexpr int SMC_SKIN_SET = 1;                // lParam: the manager whose skin is now loaded
inline constexpr int SMC_SKIN_REMOVED = 2;            // lParam: the manager whose skin went
inline constexpr int SMC_REFRESH = 3;                 // lParam: the manager whose skin changed in place
inline constexpr int SMC_GET_PROVIDER = 4;            // result: the form's skin provider component, or 0
inline constexpr int SMC_GET_CACHE = 5;               // answer in Shared().ParentImage
inline constexpr int SMC_PARENT_UPDATED = 6;          // the parent finished repainting
inline constexpr int SMC_IS_SKINNED = 7;              // 1 in the LParam field or as the result
inline constexpr int SMC_SET_UPDATING = 8;            // flag: 1 updating on, 0 off
inline constexpr int SMC_SET_PARENT_TRANSPARENT = 9;  // flag: 1 on, 0 off
inline constexpr int SMC_GET_BG_CHANGED = 10;         // 1 in the LParam field: the background must be rebuilt
inline constexpr int SMC_GET_HALF_VISIBLE = 11;       // the partly-covered flag in the LParam field
inline constexpr int SMC_PARENT_BG_CHANGED = 12;
inline constexpr int SMC_SECTION_CHANGED = 13;
inline constexpr int SMC_MENU_FRAME_READY = 14;
inline constexpr int SMC_SET_REPAINTING_CHILD = 15;  // lParam: the repainting child, then 0
inline constexpr int SMC_STOP_FADING = 16;
inline constexpr int SMC_INVALIDATE_BG = 17;
inline constexpr int SMC_GET_BG_KIND = 19;  // 1: the fill is not a plain colour
inline constexpr int SMC_BG_CHANGED = 20;   // flag: 1 redraw now
inline constexpr int SMC_GET_COLOR = 21;    // answer in Shared().BackFillColor, result 1
inline constexpr int SMC_SET_HALF_VISIBLE = 22;
inline constexpr int SMC_PREPARE_CACHE = 23;
inline constexpr int SMC_DRAW_FADE_FRAME = 24;     // lParam: the frame; result non-zero when drawn
inline constexpr int SMC_CONTROL_REFRESHED = 25;   // lParam: the control
inline constexpr int SMC_GET_SKIN_INDEX = 26;      // result: skin index + 1, 0 for none
inline constexpr int SMC_GET_CAPTION_HEIGHT = 27;  // result: height of a group box's caption strip
inline constexpr int SMC_MOUSE_ENTER = 29;         // lParam: the manager
inline constexpr int SMC_MOUSE_LEAVE = 30;         // lParam: the manager
inline constexpr int SMC_BEGIN_UPDATE = 31;
inline constexpr int SMC_END_UPDATE = 32;
inline constexpr int SMC_BEFORE_SCROLL = 51;      // lParam: scroll code low, scroll message high
inline constexpr int SMC_AFTER_SCROLL = 52;       // as SMC_BEFORE_SCROLL
inline constexpr int SMC_GET_APPLICATION = 60;    // result: the application object
inline constexpr int SMC_GET_CLIENT_OFFSET = 61;  // result: x low word, y high word

inline constexpr WPARAM SkinCommandWParam(int code, int flag = 0) {
  return MAKEWPARAM(static_cast<WORD>(flag), static_cast<WORD>(code));
}
inline constexpr int SkinCommandCode(WPARAM wParam) {
  return HIWORD(wParam);
}
inline constexpr int SkinCommandFlag(WPARAM wParam) {
  return LOWORD(wParam);
}

// The message record of a command, for direct dispatch and broadcasts.
inline TMessage SkinCommand(int code, LPARAM lParam = 0, int flag = 0) {
  return TMessage{SM_SKINCMD, SkinCommandWParam(code, flag), lParam, 0};
}

// Sends the command to the window and answers the result.
LRESULT SendSkinCommand(HWND window, int code, LPARAM lParam = 0, int flag = 0);

// Windowed controls hear the command through their window, but only when it exists and the
// control is not being destroyed (0 otherwise); windowless controls through their message method.
LRESULT SendSkinCommandToControl(TControl* control, int code, LPARAM lParam = 0, int flag = 0);

// SMC_GET_CACHE: the picture that the window lends, or a record that is not Ready when it lends
// none. The slot is cleared for the question and gets its value from before afterwards.
TacParentImage AskParentImage(HWND window);

// SMC_GET_COLOR: the colour that the window gives as its background, or clFuchsia when it gives
// none (a window that does not know the command). The slot is unset for the question and gets its value from before
// afterwards.
TColor AskBackFillColor(HWND window);

// The probe for framework controls (codes 7, 10, 11 and 19): yes when the message method wrote
// 1 into the record's LParam; otherwise, when the control has a window, yes when sending the
// command answers 1.
bool AskControl(TControl* control, int code);

// The probe for plain windows: the command is sent twice, and the second answer counts.
bool AskWindowTwice(HWND window, int code);

}  // namespace sundrel
