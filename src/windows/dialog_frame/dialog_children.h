// The handlers of a skinned system dialog's controls: every child window, depth first, gets the
// handler its class, style and size call for, and the dialog learns what a few of them reveal
// (its mode, its drop-down lists). The walk runs again whenever controls may have come (the open
// dialog's file list, a drop-down list); controls that have their handler are passed over.
#pragma once

#include <windows.h>

namespace sundrel {

class TacDialogProvider;

struct TacScanResult {
  // A control was found that keeps the whole dialog native.
  bool LeaveNative = false;
  int DropDownLists = 0;
};

TacScanResult ScanDialogChildren(TacDialogProvider& provider);

}  // namespace sundrel
