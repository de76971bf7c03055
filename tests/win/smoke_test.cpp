// Proves the Windows test path: a real window, a real message, a real picture.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

constexpr UINT kSetColour = WM_APP + 1;
COLORREF fillColour = RGB(0, 0, 0);

LRESULT CALLBACK FillProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kSetColour:
      fillColour = static_cast<COLORREF>(wParam);
      InvalidateRect(window, nullptr, TRUE);
      return 1;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      HBRUSH brush = CreateSolidBrush(fillColour);
      FillRect(dc, &paint.rcPaint, brush);
      DeleteObject(brush);
      EndPaint(window, &paint);
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Reads one pixel of the window's client area as it is on the screen.
COLORREF ClientPixel(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

TEST(WindowSmoke, AMessageChangesWhatTheWindowShows) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = FillProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"SundrelSmokeWindow";
  ASSERT_NE(RegisterClassW(&windowClass), 0);

  HWND window = CreateWindowExW(WS_EX_TOPMOST, L"SundrelSmokeWindow", L"smoke", WS_POPUP | WS_VISIBLE, 40, 40, 120,
                                80, nullptr, nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);

  const COLORREF wanted = RGB(0x20, 0xA0, 0x60);
  EXPECT_EQ(SendMessageW(window, kSetColour, wanted, 0), 1);
  COLORREF seen = CLR_INVALID;
  for (int attempt = 0; attempt < 200 && seen != wanted; ++attempt) {
    UpdateWindow(window);
    PumpMessages();
    seen = ClientPixel(window, 60, 40);
    if (seen != wanted) Sleep(10);
  }
  EXPECT_EQ(seen, wanted) << std::hex << "pixel 0x" << seen;

  DestroyWindow(window);
  UnregisterClassW(L"SundrelSmokeWindow", windowClass.hInstance);
}

}  // namespace
