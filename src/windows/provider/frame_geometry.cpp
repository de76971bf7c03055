#include "windows/provider/frame_geometry.h"

namespace sundrel {

namespace {

LONG StyleOf(TCustomForm& form, int which) {
  return form.HandleAllocated() ? GetWindowLongW(form.Handle(), which) : 0;
}

}  // namespace

bool HasFrame(const TCustomForm& form) {
  return form.BorderStyle() != bsNone;
}

int FrameWidth(const TCustomForm& form) {
  if (!HasFrame(form)) return 0;
  return GetSystemMetrics(form.BorderStyle() == bsSizeable ? SM_CXFRAME : SM_CXDLGFRAME);
}

int FrameHeight(const TCustomForm& form) {
  if (!HasFrame(form)) return 0;
  return GetSystemMetrics(form.BorderStyle() == bsSizeable ? SM_CYFRAME : SM_CYDLGFRAME);
}

bool IsToolWindow(TCustomForm& form) {
  return (StyleOf(form, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
}

int TitleHeight(TCustomForm& form) {
  if (!HasFrame(form) || (StyleOf(form, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) return 0;
  return GetSystemMetrics(IsToolWindow(form) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

SIZE WindowSize(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

POINT ClientOffset(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return POINT{origin.x - bounds.left, origin.y - bounds.top};
}

int TitleIconSide(int titleHeight) {
  if (titleHeight < 9) return 0;
  if (titleHeight <= 16) return 8;
  if (titleHeight <= 27) return 16;
  return 32;
}

}  // namespace sundrel
