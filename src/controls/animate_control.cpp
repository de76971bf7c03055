#include "controls/animate_control.h"

#include <vector>

#include "controls/output_window.h"
#include "framework/forms.h"
#include "paint/dib_pixels_win32.h"
#include "paint/show_frames.h"
#include "skin/manager/skin_change_animation_win32.h"
#include "skin/manager/skin_command_win32.h"

namespace sundrel {

namespace {

// The control stops redrawing while it lives and redraws again (and is repainted) when it goes,
// on every way out.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(HWND window) : window_(window) { SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }
  ~RedrawSuspended() {
    if (!IsWindow(window_)) return;
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  HWND window_;
};

void CaptureScreen(TBitmap& picture, const RECT& bounds) {
  WindowDC screen(nullptr);
  BitBlt(picture.Canvas().Handle(), 0, 0, picture.Width(), picture.Height(), screen.get(), bounds.left, bounds.top,
         SRCCOPY);
}

void PrintWindowAt(HWND window, HDC dc, const RECT& whole) {
  RECT r{};
  GetWindowRect(window, &r);
  SavedDC saved(dc);
  SetViewportOrgEx(dc, r.left - whole.left, r.top - whole.top, nullptr);
  IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
}

// A window shows when its own visible bit and those of its parents up to the control are set
// (the control's own is cleared while its redrawing is off).
bool ShowsInside(HWND window, HWND control) {
  for (HWND w = window; w != nullptr && w != control; w = GetParent(w)) {
    if ((GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) == 0) return false;
  }
  return true;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The control's new picture: the control, then every visible child window at its place.
void PaintNewPicture(HWND control, TBitmap& picture, const RECT& bounds) {
  HDC dc = picture.Canvas().Handle();
  PrintWindowAt(control, dc, bounds);
  std::vector<HWND> children;
  EnumChildWindows(control, CollectWindow, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    if (IsWindow(child) && ShowsInside(child, control)) PrintWindowAt(child, dc, bounds);
  }
}

void AnimateSkinChange(TCustomForm* form, int durationCode) {
  AnimateControl(form, durationCode);
}

}  // namespace

void AnimateControl(TWinControl* control, int durationCode) {
  if (control == nullptr || !control->HandleAllocated() || control->IsDestroying()) return;
  if (TacOutputWindow::Current() != nullptr) return;
  HWND window = control->Handle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) return;

  TBitmap oldScreen(width, height);
  TBitmap newPicture(width, height);
  TBitmap frame(width, height, TPixelFormat::pf32bit);
  RedrawSuspended suspended(window);
  CaptureScreen(oldScreen, bounds);
  TacOutputWindow output(window, bounds);
  PaintNewPicture(window, newPicture, bounds);
  if (!IsWindow(window)) return;  // the control went while it painted
  if (SendSkinCommand(window, SMC_GET_PROVIDER) != 0) output.TakeRegionOf(window);

  const std::vector<int> weights = ShowFrameWeights(durationCode);
  const TacPixels oldPixels = PixelsOfDibSection(oldScreen.Handle());
  const TacPixels newPixels = PixelsOfDibSection(newPicture.Handle());
  for (size_t i = 0; i < weights.size(); ++i) {
    BlendShowFrame(PixelsOfDibSection(frame.Handle()), oldPixels, newPixels, weights[i]);
    output.Show(frame);
    if (i + 1 < weights.size()) Sleep(8);
  }
  output.Show(newPicture);
}

void RegisterSkinChangeAnimation() {
  SetSkinChangeAnimation(AnimateSkinChange);
}

}  // namespace sundrel
