// Menu window handlers and shaping on plain popup windows of the test's own class, with the
// program's skin: the region cut from the picture, the filter in front of the window, what the
// handler tells the painter about its frame, and a handler whose window is destroyed while the
// automatic skinning's list holds it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "base/handles_win32.h"
#include "framework/handler_registry.h"
#include "leak_cycles.h"
#include "menu_fixture.h"
#include "resource_count.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/menus/ac_mnu_wnd.h"
#include "windows/menus/menu_frame.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr wchar_t kPopupClass[] = L"SundrelMenuWindowTest";
constexpr int kWidth = 60, kHeight = 40;

// Background erasures that reached the window's own procedure.
int ownErasures = 0;
// What the window answered for itself while its own procedure handled WM_DESTROY.
LRESULT skinnedWhileDestroyed = 0;

LRESULT CALLBACK PopupProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) ++ownErasures;
  if (msg == WM_DESTROY) skinnedWhileDestroyed = SendSkinCommand(window, SMC_IS_SKINNED);
  return DefWindowProcW(window, msg, wParam, lParam);
}

class MenuWindowHandler : public MainWindowMenu {
 protected:
  void SetUp() override {
    MainWindowMenu::SetUp();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &PopupProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kPopupClass;
    RegisterClassW(&windowClass);
  }
  void TearDown() override {
    MenuState().MenuShowing = false;
    MainWindowMenu::TearDown();
  }

  static UniqueWindow Popup() {
    return UniqueWindow(CreateWindowExW(WS_EX_TOOLWINDOW, kPopupClass, L"", WS_POPUP, 10, 10, kWidth, kHeight, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr));
  }
  std::unique_ptr<TacMnuWnd> HandlerOf(HWND window) {
    auto handler = std::make_unique<TacMnuWnd>(window, form->sSkinManager1);
    handler->Create(false);
    return handler;
  }
  static LRESULT FramePrepared(HWND window) { return SendSkinCommand(window, SMC_IS_FRAME_PREPARED); }
  static LRESULT Erase(HWND window) {
    const WindowDC dc(window);
    return SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
  }

  TBitmap picture{kWidth, kHeight};
};

TEST_F(MenuWindowHandler, TheRegionIsThePictureLessItsCornerHoles) {
  const struct {
    const char* what;
    std::vector<TRect> holes;
    std::vector<POINT> cut;
    std::vector<POINT> kept;
  } cases[] = {
      {"no holes: the top-left pixel goes all the same", {}, {{0, 0}}, {{1, 0}, {0, 1}, {kWidth - 1, kHeight - 1}}},
      {"holes in two corners",
       {{0, 0, 2, 1}, {kWidth - 1, kHeight - 1, kWidth, kHeight}},
       {{0, 0}, {1, 0}, {kWidth - 1, kHeight - 1}},
       {{0, 1}, {2, 0}, {kWidth - 2, kHeight - 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const UniqueWindow window = Popup();
    SetWindowLongPtrW(window.get(), GWLP_USERDATA, 0x5EED);
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    const std::unique_ptr<TacMnuWnd> handler = HandlerOf(window.get());
    ShapeMenuWindow(window.get(), &picture, c.holes);

    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(GetWindowRgn(window.get(), region.get()), COMPLEXREGION);
    RECT box{};
    GetRgnBox(region.get(), &box);
    EXPECT_EQ(box.right, kWidth);
    EXPECT_EQ(box.bottom, kHeight);
    for (const POINT& p : c.cut) EXPECT_FALSE(PtInRegion(region.get(), p.x, p.y)) << p.x << ", " << p.y;
    for (const POINT& p : c.kept) EXPECT_TRUE(PtInRegion(region.get(), p.x, p.y)) << p.x << ", " << p.y;
    EXPECT_EQ(GetWindowLongPtrW(window.get(), GWLP_USERDATA), 0x5EED) << "the window's user data is not ours";

    // The filter keeps the system's fill off the picture.
    ownErasures = 0;
    EXPECT_EQ(Erase(window.get()), 1);
    EXPECT_EQ(ownErasures, 0);
  }
}

TEST_F(MenuWindowHandler, AShapedFrameIsNotShapedAgain) {
  const UniqueWindow window = Popup();
  ShowWindow(window.get(), SW_SHOWNOACTIVATE);
  const std::unique_ptr<TacMnuWnd> handler = HandlerOf(window.get());
  ShapeMenuWindow(window.get(), &picture, {});
  ASSERT_EQ(FramePrepared(window.get()), 1);
  SetWindowRgn(window.get(), nullptr, FALSE);
  ShapeMenuWindow(window.get(), &picture, {});
  const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window.get(), region.get()), ERROR) << "the region was set again";
}

TEST_F(MenuWindowHandler, TheFrameIsPreparedFromShapingUntilTheHandlerErases) {
  const UniqueWindow window = Popup();
  const std::unique_ptr<TacMnuWnd> handler = HandlerOf(window.get());
  const struct {
    const char* step;
    std::function<void()> act;
    LRESULT prepared;
  } steps[] = {
      {"a new handler", [] {}, 0},
      {"shaping announced while hidden", [&] { SendSkinCommand(window.get(), SMC_MENU_FRAME_READY); }, 0},
      {"shaping announced while shown",
       [&] {
         ShowWindow(window.get(), SW_SHOWNOACTIVATE);
         SendSkinCommand(window.get(), SMC_MENU_FRAME_READY);
       },
       1},
      {"erased while no skinned menu shows: the window's own erasing",
       [&] {
         MenuState().MenuShowing = false;
         ownErasures = 0;
         Erase(window.get());
         EXPECT_EQ(ownErasures, 1);
       },
       1},
      {"erased by the handler while a skinned menu shows",
       [&] {
         MenuState().MenuShowing = true;
         ownErasures = 0;
         EXPECT_EQ(Erase(window.get()), 1);
         EXPECT_EQ(ownErasures, 0);
       },
       0},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    s.act();
    EXPECT_EQ(FramePrepared(window.get()), s.prepared);
    EXPECT_EQ(SendSkinCommand(window.get(), SMC_IS_SKINNED), 1);
  }
}

TEST_F(MenuWindowHandler, AWindowDestroyedWhileItsHandlerIsListedLeaksNothing) {
  TAutoHandlers handlers;
  // Windows made before the factory is there: the skin's own hook leaves them to the test's list.
  const auto handled = [&] {
    HWND window = Popup().release();
    const TRemovalToken factory = RegisterHandlerFactory(
        kPopupClass, THandlerMoment::Created, [&](HWND w) -> std::unique_ptr<TWindowHandler> { return HandlerOf(w); });
    handlers.WindowCreated(window);
    return window;
  };
  const auto openAndDestroy = [&] {
    skinnedWhileDestroyed = 0;
    HWND window = handled();
    MenuState().MenuShowing = true;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);  // the handler paints its background picture
    ShapeMenuWindow(window, &picture, {});
    handlers.WindowDestroying(window);
    DestroyWindow(window);
  };
  openAndDestroy();
  handlers.WindowDestroying(nullptr);
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) {
    openAndDestroy();
    EXPECT_EQ(handlers.Count(), 1) << "the list still holds the handler of the window that went";
    EXPECT_EQ(skinnedWhileDestroyed, 1) << "the handler keeps its window until the window's last message";
    EXPECT_FALSE(MenuState().MenuShowing);
  }
  handlers.WindowDestroying(nullptr);
  EXPECT_EQ(handlers.Count(), 0) << "freed by the list once its window had gone";
  EXPECT_EQ(CountResources(), before);
}

}  // namespace
}  // namespace sundrel
