#include "windows/scroll/ac_scroll_bar.h"

namespace sundrel {

namespace {

int32_t Scaled(int32_t value, int32_t system) {
  return value >= 0 ? value : system * -value;
}

}  // namespace

int SystemArrowWidth() {
  static const int width = GetSystemMetrics(SM_CXHSCROLL);
  return width;
}

void TacScrollBar::ReadInfo(HWND window) {
  Info.cbSize = sizeof(SCROLLINFO);
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!GetScrollInfo(window, Vertical() ? SB_VERT : SB_HORZ, &Info)) {
    Info.nMin = Info.nMax = Info.nPos = Info.nTrackPos = 0;
    Info.nPage = 0;
  }
}

TacScrollRange TacScrollBar::Range() const {
  return {Info.nMin, Info.nMax, Info.nPage, Info.nPos, Info.nTrackPos};
}

int32_t TacScrollBar::PlainThickness() const {
  return Scaled(Thickness, GetSystemMetrics(Vertical() ? SM_CXVSCROLL : SM_CYHSCROLL));
}

int32_t TacScrollBar::PlainArrow() const {
  return Scaled(ArrowLength, SystemArrowWidth());
}

TacScrollTracking& ScrollTracking() {
  static TacScrollTracking tracking;
  return tracking;
}

void ForgetTrackedWindow(HWND window) {
  TacScrollTracking& tracking = ScrollTracking();
  if (window == nullptr || tracking.TrackWindow != window) return;
  for (UINT_PTR timer : {kFirstRepeatTimer, kRepeatTimer, kHoverTimer}) KillTimer(window, timer);
  if (GetCapture() == window) ReleaseCapture();
  tracking = TacScrollTracking();
}

}  // namespace sundrel
