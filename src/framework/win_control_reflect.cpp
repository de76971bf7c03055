// Messages that a window gets about one of its child windows are the child's business: the
// parent passes them on to the child control as CN_BASE + the message.
#include "framework/win_control.h"

namespace sundrel {

namespace {

// The child window that the message is about, or nullptr (a menu's item, the window's own
// scroll bar, a notification without its header).
HWND ChildOfMessage(HWND parent, const TMessage& message) {
  switch (message.Msg) {
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      return header != nullptr ? header->hwndFrom : nullptr;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      return item != nullptr && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
      // Sent while the child is still being made, before the framework knows its window: found by
      // its identifier.
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam);
      return item != nullptr && item->CtlType != ODT_MENU ? GetDlgItem(parent, static_cast<int>(item->CtlID)) : nullptr;
    }
    default:  // WM_COMMAND from a control, WM_CTLCOLOR..., WM_HSCROLL and WM_VSCROLL from a scroll bar control
      return reinterpret_cast<HWND>(message.LParam);
  }
}

}  // namespace

bool TWinControl::ReflectToChild(TMessage& message) {
  HWND child = ChildOfMessage(handle_.get(), message);
  TWinControl* control = child != nullptr ? FindControl(child) : nullptr;
  if (control == nullptr || control == this) return false;
  TMessage reflected{CN_BASE + message.Msg, message.WParam, message.LParam, 0};
  control->Perform(reflected);
  message.Result = reflected.Result;
  return true;
}

void TWinControl::LeaveReflectedToParent(TMessage& message) {
  TWinControl* parent = Parent();
  if (parent == nullptr) return;
  TMessage original{message.Msg - CN_BASE, message.WParam, message.LParam, 0};
  parent->DefaultHandler(original);
  message.Result = original.Result;
}

}  // namespace sundrel
