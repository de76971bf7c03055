#include "framework/screen.h"

#include "base/handles_win32.h"

namespace sundrel {

int ScreenPixelsPerInch() {
  WindowDC screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

RECT WorkAreaOf(HWND window) {
  HMONITOR monitor = window != nullptr ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                                       : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  return info.rcWork;
}

LOGFONTW MessageFontInfo() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return metrics.lfMessageFont;
}

}  // namespace sundrel
