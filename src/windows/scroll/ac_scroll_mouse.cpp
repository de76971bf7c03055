// The mouse on a skinned bar: arrow and track presses that repeat on timers, thumb dragging,
// release, and the hover poll that lights the part under the mouse.
#include <algorithm>
#include <utility>

#include "base/handles_win32.h"
#include "controls/skin_utilities.h"
#include "windows/scroll/ac_scroll_wnd.h"

namespace sundrel {

namespace {

bool Contains(const RECT& r, POINT point) {
  return PtInRect(&r, point) != FALSE;
}

}  // namespace

bool TacScrollWnd::Press(TacScrollBar& bar, POINT point) {
  TacScrollTracking& tracking = ScrollTracking();
  bar.ReadInfo(Window());
  tracking.TrackWindow = Window();
  tracking.ScrollMsg = bar.Vertical() ? WM_VSCROLL : WM_HSCROLL;
  tracking.PressBar = bar.Kind;
  tracking.PressPortion = HitTestBar(bar, point);
  tracking.LastMouse = point;
  tracking.LastMovePortion = tracking.PressPortion;
  switch (tracking.PressPortion) {
    case spNone:
      return false;
    case spThumb: {
      SetCapture(Window());
      if (!BarIsActive(bar)) return true;
      const TRect r = BarRect(bar);
      const TacThumb thumb =
          ThumbGeometry(bar.Range(), bar.Vertical() ? r.Height() : r.Width(), bar.PlainArrow(), bar.MinThumb);
      const int start = bar.Vertical() ? r.Top : r.Left;
      tracking.ThumbSize = thumb.Size;
      tracking.ThumbPos = start + thumb.Start;
      tracking.ThumbBounds = RECT{r.Left, r.Top, r.Right, r.Bottom};
      tracking.ThumbGrabOffset = (bar.Vertical() ? point.y : point.x) - tracking.ThumbPos;
      tracking.LastTrackPos = bar.Info.nPos;
      bar.Info.nTrackPos = bar.Info.nPos;
      RepaintBar(bar, spThumb);
      ThumbDragging = true;
      return true;
    }
    default:
      SetCapture(Window());
      StartRepeating(bar, point);
      return true;
  }
}

void TacScrollWnd::StartRepeating(TacScrollBar& bar, POINT point) {
  if (!BarIsActive(bar)) return;
  TacScrollTracking& tracking = ScrollTracking();
  tracking.ShownPortion = HitTestBar(bar, point);
  RepaintBar(bar, tracking.ShownPortion);
  SendScrollMessage(tracking.ScrollMsg, tracking.PressPortion, 0);
  tracking.ShownPortion = tracking.PressPortion;
  SetTimer(Window(), kFirstRepeatTimer, kFirstRepeatDelay, nullptr);
  tracking.RepeatTimer = kFirstRepeatTimer;
}

void TacScrollWnd::TimerTick(UINT_PTR id) {
  TacScrollTracking& tracking = ScrollTracking();
  switch (id) {
    case kFirstRepeatTimer:
      KillTimer(Window(), kFirstRepeatTimer);
      if (tracking.PressPortion == spNone) return;
      SetTimer(Window(), kRepeatTimer, kRepeatInterval, nullptr);
      tracking.RepeatTimer = kRepeatTimer;
      return;
    case kRepeatTimer:
      if (tracking.PressPortion == spNone || tracking.TrackWindow != Window()) {
        KillTimer(Window(), kRepeatTimer);
        return;
      }
      MouseMove(tracking.LastMouse);
      if (tracking.ShownPortion != spNone) SendScrollMessage(tracking.ScrollMsg, tracking.ShownPortion, 0);
      return;
    default:
      HoverTick();
      return;
  }
}

void TacScrollWnd::MouseMove(POINT point) {
  TacScrollTracking& tracking = ScrollTracking();
  tracking.LastMouse = point;
  if (ThumbDragging) {
    DragThumb(point);
    return;
  }
  if (tracking.PressBar < 0) return;
  TacScrollBar& bar = *Bar(tracking.PressBar);
  const int portion = HitTestBar(bar, point);
  if (tracking.PressPortion >= spFirstArrow && tracking.PressPortion <= spTrackAfter) {
    tracking.ShownPortion = portion == tracking.PressPortion ? tracking.PressPortion : spNone;
  }
  if (portion != tracking.LastMovePortion) RepaintBar(bar, tracking.ShownPortion);
  tracking.LastMovePortion = portion;
}

void TacScrollWnd::DragThumb(POINT point) {
  TacScrollTracking& tracking = ScrollTracking();
  TacScrollBar& bar = *Bar(tracking.PressBar);
  const bool vertical = bar.Vertical();
  const RECT& bounds = tracking.ThumbBounds;
  const int trackStart = (vertical ? bounds.top : bounds.left) + bar.PlainArrow();
  const int trackEnd = (vertical ? bounds.bottom : bounds.right) - bar.PlainArrow();
  const int wanted = (vertical ? point.y : point.x) - tracking.ThumbGrabOffset;
  const int x = std::max(trackStart, std::min(wanted, trackEnd - tracking.ThumbSize));
  {
    RECT window{};
    GetWindowRect(Window(), &window);
    const TRect r{bounds.left - window.left, bounds.top - window.top, bounds.right - window.left,
                  bounds.bottom - window.top};
    WholeWindowDC dc(Window());
    DrawBar(bar, dc.get(), r, x - (vertical ? bounds.top : bounds.left), spThumb, true);
  }
  const int position = DragPosition(bar.Range(), x - trackStart, trackEnd - trackStart, tracking.ThumbSize);
  if (position == tracking.LastTrackPos) return;
  bar.Info.nTrackPos = position;
  tracking.LastTrackPos = position;
  SendScrollMessage(tracking.ScrollMsg, SB_THUMBTRACK, position);
}

bool TacScrollWnd::Release() {
  TacScrollTracking& tracking = ScrollTracking();
  if (tracking.PressPortion == spNone || tracking.TrackWindow != Window()) return false;
  if (GetCapture() == Window() && !KeepsCaptureAfterBarRelease()) ReleaseCapture();
  const int portion = tracking.PressPortion;
  if (portion >= spFirstArrow && portion <= spTrackAfter) {
    KillTimer(Window(), kFirstRepeatTimer);
    KillTimer(Window(), kRepeatTimer);
  } else if (portion != spThumb) {
    tracking = TacScrollTracking();
    return true;
  }
  if (ThumbDragging) {
    ThumbDragging = false;
    SendScrollMessage(tracking.ScrollMsg, SB_THUMBPOSITION, tracking.LastTrackPos);
  }
  SendScrollMessage(tracking.ScrollMsg, SB_ENDSCROLL, 0);
  const int bar = tracking.PressBar;
  tracking.PressPortion = tracking.ShownPortion = spNone;
  tracking.RepeatTimer = 0;
  tracking.ScrollMsg = 0;
  tracking.PressBar = -1;
  if (TacScrollBar* pressed = Bar(bar)) RepaintBar(*pressed, spNone);
  return true;
}

void TacScrollWnd::HoverEnter(int kind) {
  TacScrollTracking& tracking = ScrollTracking();
  if (tracking.HoverBar == kind) return;
  const TRect r = BarRect(*Bar(kind));
  tracking.HoverLastPortion = tracking.HoverPortion = spNone;
  tracking.HoverRect = RECT{r.Left, r.Top, r.Right, r.Bottom};
  tracking.HoverBar = kind;
  SetTimer(Window(), kHoverTimer, kHoverInterval, nullptr);
  tracking.HoverTimer = kHoverTimer;
  PaintBars();
}

void TacScrollWnd::HoverTick() {
  TacScrollTracking& tracking = ScrollTracking();
  if (ThumbDragging) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (tracking.HoverBar >= 0 && Contains(tracking.HoverRect, cursor)) {
    TacScrollBar& bar = *Bar(tracking.HoverBar);
    tracking.HoverPortion = HitTestBar(bar, cursor);
    if (tracking.HoverPortion != tracking.HoverLastPortion) {
      RepaintBar(bar, tracking.PressBar == tracking.HoverBar ? tracking.ShownPortion : spNone);
    }
    tracking.HoverLastPortion = tracking.HoverPortion;
    return;
  }
  KillTimer(Window(), kHoverTimer);
  tracking.HoverTimer = 0;
  tracking.HoverBar = -1;
  tracking.HoverLastPortion = tracking.HoverPortion = spNone;
  PaintBars();
}

void TacScrollWnd::SendScrollMessage(UINT msg, int code, int position) {
  HWND window = Window();
  SendSkinCommand(window, SMC_BEFORE_SCROLL);
  // The request carries 16 bits of position, so larger ones are set first. A dragged thumb's
  // position is set too: Wine's list box scrolls to the bar's track position, which is the bar's
  // position while the system itself is not tracking it.
  if (position > 0xFFFF || code == SB_THUMBTRACK) {
    SetScrollPos(window, msg == WM_HSCROLL ? SB_HORZ : SB_VERT, position, FALSE);
  }
  // The window repaints its frame as it scrolls; those nested paints leave the bars to us.
  const bool wasScrolling = std::exchange(Scrolling, true);
  SendMessageW(window, msg, MAKEWPARAM(code, position), 0);
  if (Detached) return;
  Scrolling = wasScrolling;
  SendSkinCommand(window, SMC_AFTER_SCROLL, MAKELPARAM(code, msg));
  // The window moved its native bar as it scrolled, and may have drawn it over ours.
  if (!ThumbDragging) RefreshBars(true);
}

}  // namespace sundrel
