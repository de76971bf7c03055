#include "controls/output_window.h"

#include "framework/application.h"

namespace sundrel {

namespace {

constexpr wchar_t kClassName[] = L"TacOutputWindow";
constexpr COLORREF kOutputColor = 0x800080;
HWND currentOutput = nullptr;

// The memory context of the picture shown now, kept on the window for its repaints.
HDC PictureOf(HWND window) {
  return reinterpret_cast<HDC>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK OutputProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the picture covers it all; erasing would only flicker
    case WM_PAINT: {
      PaintScope paint(window);
      RECT client{};
      GetClientRect(window, &client);
      if (HDC picture = PictureOf(window))
        BitBlt(paint.get(), 0, 0, client.right, client.bottom, picture, 0, 0, SRCCOPY);
      return 0;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    default:
      return DefWindowProcW(window, msg, wParam, lParam);
  }
}

void RegisterOnce() {
  static const UniqueBrush background(CreateSolidBrush(kOutputColor));
  static const ATOM atom = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = OutputProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background.get();
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  (void)atom;
}

}  // namespace

TacOutputWindow::TacOutputWindow(HWND control, const RECT& bounds) : control_(control) {
  RegisterOnce();
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const bool child = (style & WS_CHILD) != 0;
  HWND parent = child ? GetParent(control) : (Application != nullptr ? Application->Handle() : nullptr);
  RECT place = bounds;
  if (child) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  DWORD exStyle = child ? 0 : WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  if (!child && (GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) exStyle |= WS_EX_TOPMOST;
  window_.reset(CreateWindowExW(exStyle, kClassName, L"acOutputWindow", child ? WS_CHILD | WS_CLIPSIBLINGS : WS_POPUP,
                                place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!window_) return;
  if (child) SetWindowPos(window_.get(), control, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
  currentOutput = window_.get();
}

TacOutputWindow::~TacOutputWindow() {
  if (!window_) return;
  currentOutput = nullptr;
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  if ((GetWindowLongW(control_, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) ShowWindow(window_.get(), SW_HIDE);
}

HWND TacOutputWindow::Current() {
  return currentOutput;
}

void TacOutputWindow::Show(TBitmap& picture) {
  if (!window_) return;
  HDC source = picture.Canvas().Handle();
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(source));
  WindowDC dc(window_.get());
  BitBlt(dc.get(), 0, 0, picture.Width(), picture.Height(), source, 0, 0, SRCCOPY);
}

void TacOutputWindow::TakeRegionOf(HWND control) {
  if (!window_) return;
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(control, region.get()) == ERROR) return;
  if (SetWindowRgn(window_.get(), region.get(), FALSE) != 0) region.release();
}

}  // namespace sundrel
