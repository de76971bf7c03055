// The 152 by 49 picture static that marks one kind of system dialog keeps its own picture in the
// middle while the skin is painted around it; other statics are skinned all over.
#include <gtest/gtest.h>

#include "base/handles_win32.h"
#include "dialog_controls_fixture.h"
#include "framework_test_support.h"
#include "screen_capture.h"
#include "windows/dialog_controls/ac_static_wnd.h"
#include "windows/dialog_controls/dialog_child_handler.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr int kWidth = 152, kHeight = 49;
constexpr COLORREF kPicture = RGB(255, 0, 0);

using PictureStatic = DialogControlsTest;

UniqueBitmap RedPicture() {
  const WindowDC screen(nullptr);
  UniqueBitmap picture(CreateCompatibleBitmap(screen.get(), kWidth, kHeight));
  const UniqueDC memory(CreateCompatibleDC(screen.get()));
  const SelectObjectGuard selected(memory.get(), picture.get());
  const UniqueBrush red(CreateSolidBrush(kPicture));
  const RECT all{0, 0, kWidth, kHeight};
  FillRect(memory.get(), &all, red.get());
  return picture;
}

TEST_F(PictureStatic, ThePictureStaysInTheMiddleAndTheSkinGoesAround) {
  const UniqueBitmap picture = RedPicture();
  HWND window = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, 10, 10, kWidth, kHeight,
                                form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
  RECT shown{};
  GetWindowRect(window, &shown);
  ASSERT_EQ(shown.right - shown.left, kWidth);
  ASSERT_EQ(shown.bottom - shown.top, kHeight);
  std::unique_ptr<TacMainWnd> handler = MakeDialogChildHandler(window);
  ASSERT_NE(dynamic_cast<TacStaticWnd*>(handler.get()), nullptr);
  EXPECT_TRUE(dynamic_cast<TacStaticWnd*>(handler.get())->KeepsNativePicture);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const TScreenShot screen = SettledCapture(shown);
  SaveScreenshot(screen, "picture-static.png", 3);
  const POINT inside[] = {{31, 7}, {75, 24}, {119, 40}};
  for (const POINT p : inside) {
    SCOPED_TRACE(::testing::Message() << "inside " << p.x << "," << p.y);
    EXPECT_EQ(screen.At(shown.left + p.x, shown.top + p.y), kPicture);
  }
  const POINT around[] = {{2, 2}, {29, 24}, {120, 24}, {75, 5}, {75, 41}, {150, 47}};
  for (const POINT p : around) {
    SCOPED_TRACE(::testing::Message() << "around " << p.x << "," << p.y);
    EXPECT_NE(screen.At(shown.left + p.x, shown.top + p.y), kPicture);
  }
  handler.reset();
  DestroyWindow(window);
}

}  // namespace
}  // namespace sundrel
