#include "controls/animate_control.h"

#include <memory>
#include <optional>
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

bool HasSize(const RECT& bounds) {
  return bounds.right > bounds.left && bounds.bottom > bounds.top;
}

RECT WindowBounds(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds;
}

// What the first step leaves for the rest: the control not redrawing, the old screen under it
// and the output window over it. Members go in reverse order: the output window first, then
// the control redraws.
class TacPreparedAnimation {
 public:
  explicit TacPreparedAnimation(HWND window)
      : window_(window),
        bounds_(WindowBounds(window)),
        suspended_(window),
        oldScreen_(bounds_.right - bounds_.left, bounds_.bottom - bounds_.top) {
    CaptureScreen(oldScreen_, bounds_);
    output_.emplace(window, bounds_);
  }

  HWND Window() const { return window_; }
  const RECT& Bounds() const { return bounds_; }
  TBitmap& OldScreen() { return oldScreen_; }
  TacOutputWindow& Output() { return *output_; }

 private:
  HWND window_;
  RECT bounds_;
  RedrawSuspended suspended_;
  TBitmap oldScreen_;
  std::optional<TacOutputWindow> output_;
};

// The animation prepared ahead of a change (a page about to be switched), until it runs or is
// cancelled.
std::unique_ptr<TacPreparedAnimation>& PendingAnimation() {
  static std::unique_ptr<TacPreparedAnimation> pending;
  return pending;
}

bool CanAnimate(TWinControl* control) {
  return control != nullptr && control->HandleAllocated() && !control->IsDestroying() &&
         HasSize(WindowBounds(control->Handle()));
}

// The animation's first step for the control: the one prepared for it ahead, or a new one. None
// while another animation shows.
std::unique_ptr<TacPreparedAnimation> TakePreparedAnimation(TWinControl* control) {
  std::unique_ptr<TacPreparedAnimation>& pending = PendingAnimation();
  if (pending && pending->Window() == control->Handle()) return std::move(pending);
  if (TacOutputWindow::Current() != nullptr) return nullptr;
  return std::make_unique<TacPreparedAnimation>(control->Handle());
}

// A control that cannot be animated any more lets go of what was prepared for it.
void DropAnimationOf(TWinControl* control) {
  std::unique_ptr<TacPreparedAnimation>& pending = PendingAnimation();
  if (pending && control != nullptr && control->HandleAllocated() && pending->Window() == control->Handle()) {
    pending.reset();
  }
}

}  // namespace

void PrepareControlAnimation(TWinControl* control) {
  if (!CanAnimate(control) || TacOutputWindow::Current() != nullptr) return;
  PendingAnimation() = std::make_unique<TacPreparedAnimation>(control->Handle());
}

void CancelControlAnimation() {
  PendingAnimation().reset();
}

void AnimateControl(TWinControl* control, int durationCode) {
  if (!CanAnimate(control)) {
    DropAnimationOf(control);
    return;
  }
  const std::unique_ptr<TacPreparedAnimation> prepared = TakePreparedAnimation(control);
  if (!prepared) return;
  HWND window = prepared->Window();
  const RECT& bounds = prepared->Bounds();
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  TBitmap newPicture(width, height);
  TBitmap frame(width, height, TPixelFormat::pf32bit);
  PaintNewPicture(window, newPicture, bounds);
  if (!IsWindow(window)) return;  // the control went while it painted
  TacOutputWindow& output = prepared->Output();
  if (SendSkinCommand(window, SMC_GET_PROVIDER) != 0) output.TakeRegionOf(window);

  const std::vector<int> weights = ShowFrameWeights(durationCode);
  const TacPixels oldPixels = PixelsOfDibSection(prepared->OldScreen().Handle());
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
