#include "windows/dialog_frame/dialog_children.h"

#include <utility>

#include "windows/auto/ac_provider.h"
#include "windows/dialog_controls/dialog_child_handler.h"

namespace sundrel {

namespace {

// A child's handler makes the child repaint, which may bring the dialog's walk back: the walk
// that runs finishes alone.
bool& Scanning() {
  static bool scanning = false;
  return scanning;
}

class ScanScope {
 public:
  ScanScope() { Scanning() = true; }
  ~ScanScope() { Scanning() = false; }
  ScanScope(const ScanScope&) = delete;
  ScanScope& operator=(const ScanScope&) = delete;
};

void ScanChildrenOf(HWND window, TacDialogProvider& provider, TacScanResult& result) {
  for (HWND child = GetTopWindow(window); child != nullptr && !result.LeaveNative;
       child = GetWindow(child, GW_HWNDNEXT)) {
    ScanChildrenOf(child, provider, result);
    if (result.LeaveNative || (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) == 0) continue;
    if (TacMainWnd::Find(child) != nullptr) continue;
    const TDialogChildChoice choice = ChooseDialogChildHandler(child);
    if (choice.Kind == TDialogChildKind::LeaveDialogNative) {
      result.LeaveNative = true;
      return;
    }
    if (choice.DialogMode != 0) provider.DialogMode = choice.DialogMode;
    auto handler = MakeDialogChildHandler(child, choice);
    if (handler == nullptr) continue;
    if (choice.DropDownList) ++result.DropDownLists;
    provider.AddChildHandler(std::move(handler));
  }
}

}  // namespace

TacScanResult ScanDialogChildren(TacDialogProvider& provider) {
  TacScanResult result;
  const HWND dialog = provider.DialogHandle();
  if (dialog == nullptr || Scanning()) return result;
  const ScanScope scope;
  ScanChildrenOf(dialog, provider, result);
  return result;
}

}  // namespace sundrel
