// Painting of windows of the framework's own classes: the background in the control's colour,
// the control's own picture and its windowless children. Windows that wrap a native control
// leave it to the native procedure.
#include "base/handles_win32.h"
#include "framework/win_control.h"

namespace sundrel {

bool TWinControl::HandlePaintMessage(TMessage& message) {
  if (!ownWindowClass_) return false;
  const auto fillBackground = [this](HDC dc) {
    RECT client;
    GetClientRect(handle_.get(), &client);
    FillRect(dc, &client, BackgroundBrush());
  };
  switch (message.Msg) {
    case WM_ERASEBKGND:
      fillBackground(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return true;
    case WM_PRINTCLIENT:
      fillBackground(reinterpret_cast<HDC>(message.WParam));
      PaintHandler(reinterpret_cast<HDC>(message.WParam));
      return true;
    case WM_PAINT:
      if (message.WParam != 0) {
        PaintHandler(reinterpret_cast<HDC>(message.WParam));
      } else {
        // A failing paint still ends here; what happens to its error is the window procedure's
        // business (HandleMessageException).
        PaintScope paint(handle_.get());
        PaintHandler(paint.get());
      }
      return true;
    default:
      return false;
  }
}

void TWinControl::PaintHandler(HDC dc) {
  PaintWindow(dc);
  PaintControls(dc);
}

void TWinControl::PaintControls(HDC dc) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    TControl* control = controls_[i];
    if (dynamic_cast<TWinControl*>(control) != nullptr || !control->Visible()) continue;
    const RECT bounds = control->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    SavedDC saved(dc);
    OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

}  // namespace sundrel
