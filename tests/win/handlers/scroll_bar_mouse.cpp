#include "scroll_bar_mouse.h"

namespace sundrel::testing {

POINT UpArrowPoint(const TacScrollWnd& handler) {
  const TRect r = handler.BarRect(*handler.VertBar());
  return {(r.Left + r.Right) / 2, r.Top + 3};
}

POINT DownArrowPoint(const TacScrollWnd& handler) {
  const TRect r = handler.BarRect(*handler.VertBar());
  return {(r.Left + r.Right) / 2, r.Bottom - 3};
}

POINT ThumbPoint(const TacScrollWnd& handler) {
  const TacScrollBar& bar = *handler.VertBar();
  const TRect r = handler.BarRect(bar);
  const TacThumb thumb = ThumbGeometry(bar.Range(), r.Height(), bar.PlainArrow(), bar.MinThumb);
  return {(r.Left + r.Right) / 2, r.Top + thumb.Start + thumb.Size / 2};
}

void PressAt(HWND window, POINT screen) {
  const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  PostMessageW(window, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(screen.x, screen.y));
}

void MoveTo(HWND window, POINT screen) {
  ScreenToClient(window, &screen);
  PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
}

void ReleaseAt(HWND window, POINT screen) {
  ScreenToClient(window, &screen);
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(screen.x, screen.y));
}

}  // namespace sundrel::testing
