// One skinned scroll bar of a window (TacScrollBar) and the process-wide record of the bar that is
// pressed or under the mouse: there is one mouse, so only one bar at a time is pressed or hovered.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/scroll/scroll_geometry.h"

namespace sundrel {

class TacScrollWnd;

// Timers of a bar's window, consumed by its handler: the first delay of an arrow or track press,
// the repeat after it, and the hover poll.
inline constexpr UINT_PTR kFirstRepeatTimer = 0xFFFD;
inline constexpr UINT_PTR kRepeatTimer = 0xFFFE;
inline constexpr UINT_PTR kHoverTimer = 0xFFF2;
inline constexpr UINT kFirstRepeatDelay = 300;
inline constexpr UINT kRepeatInterval = 55;
inline constexpr UINT kHoverInterval = 20;

inline constexpr bool IsBarTimer(UINT_PTR id) {
  return id == kFirstRepeatTimer || id == kRepeatTimer || id == kHoverTimer;
}

// The bar's Flags bit: the window style asks for the bar.
inline constexpr uint16_t kBarWanted = 8;

enum TacBarKind : uint16_t { bkHorizontal = 0, bkVertical = 1 };

struct TacScrollBar {
  uint16_t Flags = 0;
  // The bar has room and is shown, decided at each non-client size calculation.
  bool Visible = false;
  SCROLLINFO Info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
  // Negative: the system's length (thickness) times the negated value.
  int32_t ArrowLength = -1;
  int32_t Thickness = -1;
  uint16_t Kind = bkHorizontal;
  int32_t MinThumb = 10;
  TacScrollWnd* Owner = nullptr;

  bool Vertical() const { return Kind == bkVertical; }
  void ReadInfo(HWND window);
  TacScrollRange Range() const;
  // Across the bar.
  int32_t PlainThickness() const;
  // Along the bar, as geometry and hit testing use it.
  int32_t PlainArrow() const;
};

// The system's arrow width, read once when the program starts.
int SystemArrowWidth();

struct TacScrollTracking {
  HWND TrackWindow = nullptr;
  int PressBar = -1;
  int PressPortion = spNone;
  int ShownPortion = spNone;
  UINT ScrollMsg = 0;
  UINT_PTR RepeatTimer = 0;
  int HoverBar = -1;
  int HoverPortion = spNone;
  int HoverLastPortion = spNone;
  UINT_PTR HoverTimer = 0;
  RECT HoverRect{};
  int ThumbSize = 0;
  int ThumbPos = 0;
  RECT ThumbBounds{};
  int ThumbGrabOffset = 0;
  int LastTrackPos = 0;
  // Where the mouse was at the press or the last move of it (screen): the repeat follows it.
  POINT LastMouse{};
  // The portion under the mouse at the previous move of this press.
  int LastMovePortion = spNone;
};

// The process's one record.
TacScrollTracking& ScrollTracking();

// Everything back to idle, the window's timers stopped: the bar's window went.
void ForgetTrackedWindow(HWND window);

}  // namespace sundrel
