// A window's redrawing switched off for a while (WM_SETREDRAW), so that nothing the system paints
// meanwhile shows; on again when the object goes. Wine throws away the paints that the window and
// its children were waiting for when redrawing goes off: they are asked for again when it comes
// back on (on Windows they were never lost, and asking twice changes nothing).
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "base/handles_win32.h"

namespace sundrel {

class TRedrawOff {
 public:
  explicit TRedrawOff(HWND window);
  ~TRedrawOff();
  TRedrawOff(const TRedrawOff&) = delete;
  TRedrawOff& operator=(const TRedrawOff&) = delete;

 private:
  void KeepPendingPaint(HWND window);

  HWND window_;
  std::vector<std::pair<HWND, UniqueRegion>> pending_;
};

}  // namespace sundrel
