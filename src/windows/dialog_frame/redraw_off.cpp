#include "windows/dialog_frame/redraw_off.h"

namespace sundrel {

namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM keep) {
  (*reinterpret_cast<std::vector<HWND>*>(keep)).push_back(child);
  return TRUE;
}

}  // namespace

TRedrawOff::TRedrawOff(HWND window) : window_(window) {
  std::vector<HWND> windows{window};
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&windows));
  for (HWND each : windows) KeepPendingPaint(each);
  SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
}

TRedrawOff::~TRedrawOff() {
  if (!IsWindow(window_)) return;
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  for (const auto& [window, region] : pending_) {
    if (IsWindow(window)) InvalidateRgn(window, region.get(), TRUE);
  }
}

void TRedrawOff::KeepPendingPaint(HWND window) {
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (region && GetUpdateRgn(window, region.get(), FALSE) > NULLREGION)
    pending_.emplace_back(window, std::move(region));
}

}  // namespace sundrel
