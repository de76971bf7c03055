// The window of the merge list's context menu under the program's own skin: it gets its handler
// as it is made, its frame filter and its shape when the painter has drawn it, keeps the user
// data that others gave it, and leaves nothing behind however often it opens.
#include <gtest/gtest.h>

#include "base/handles_win32.h"
#include "leak_cycles.h"
#include "menu_fixture.h"
#include "resource_count.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/menus/ac_mnu_wnd.h"
#include "windows/menus/menu_frame.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr LONG_PTR kUserData = 0x5EED;

// Gives every new popup menu window user data of its own, as another program part might.
LRESULT CALLBACK MarkMenuWindows(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
  if (code == HCBT_CREATEWND && ClassNameOf(reinterpret_cast<HWND>(wParam)) == L"#32768") {
    SetWindowLongPtrW(reinterpret_cast<HWND>(wParam), GWLP_USERDATA, kUserData);
  }
  return result;
}

// What the open menu's window shows of its handling.
struct TMenuWindowState {
  bool handled = false;
  LRESULT skinned = 0;
  LRESULT framePrepared = 0;
  bool filtered = false;
  int regionKind = ERROR;
  RECT regionBox{};
  bool cornerInRegion = true;
  bool besideCornerInRegion = false;
  LONG_PTR userData = 0;
  SIZE size{};
};

TMenuWindowState StateOf(HWND menu) {
  TMenuWindowState state;
  state.handled = dynamic_cast<TacMnuWnd*>(TacMainWnd::Find(menu)) != nullptr;
  state.skinned = SendSkinCommand(menu, SMC_IS_SKINNED);
  state.framePrepared = SendSkinCommand(menu, SMC_IS_FRAME_PREPARED);
  state.filtered = HasMenuFrameFilter(menu);
  const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  state.regionKind = GetWindowRgn(menu, region.get());
  GetRgnBox(region.get(), &state.regionBox);
  state.cornerInRegion = PtInRegion(region.get(), 0, 0);
  state.besideCornerInRegion = PtInRegion(region.get(), 1, 0) && PtInRegion(region.get(), 0, 1);
  state.userData = GetWindowLongPtrW(menu, GWLP_USERDATA);
  RECT bounds{};
  GetWindowRect(menu, &bounds);
  state.size = {bounds.right - bounds.left, bounds.bottom - bounds.top};
  return state;
}

using ContextMenuWindow = MainWindowMenu;

TEST_F(ContextMenuWindow, IsHandledAndShapedWithoutItsTopLeftPixelAndKeepsItsUserData) {
  const UniqueHook marking(SetWindowsHookExW(WH_CBT, &MarkMenuWindows, nullptr, GetCurrentThreadId()));
  TMenuWindowState state;
  TMenuPicture picture;
  std::vector<TMenuStep> steps = Hot(form->N1, 1);
  steps.push_back([&](HWND menu) {
    state = StateOf(menu);
    picture = CaptureWindow(menu);
    return true;
  });
  WithContextMenu(steps);
  SavePicture(picture, "menu-window-context-hot.png");

  EXPECT_TRUE(state.handled) << "the window got its handler as it was made";
  EXPECT_EQ(state.skinned, 1);
  EXPECT_EQ(state.framePrepared, 1) << "shaped, and not erased by its handler since";
  EXPECT_TRUE(state.filtered);
  // The skin's menu border declares no corner holes: only the top-left pixel goes.
  ASSERT_EQ(state.regionKind, COMPLEXREGION);
  EXPECT_EQ(state.regionBox.right, state.size.cx);
  EXPECT_EQ(state.regionBox.bottom, state.size.cy);
  EXPECT_FALSE(state.cornerInRegion);
  EXPECT_TRUE(state.besideCornerInRegion);
  EXPECT_EQ(state.userData, kUserData);

  EXPECT_FALSE(MenuState().MenuShowing) << "the menu is over with its window";
  EXPECT_EQ(MenuState().MenuPicture, nullptr);
}

TEST_F(ContextMenuWindow, OpenAndCloseCyclesLeakNothing) {
  int unshaped = 0;
  const TMenuStep shapedAndHandled = [&](HWND menu) {
    const TMenuWindowState state = StateOf(menu);
    if (!state.handled || !state.filtered || state.regionKind != COMPLEXREGION) ++unshaped;
    return true;
  };
  // The first opening makes what stays for the program's life (the menu's window class, fonts
  // the system caches).
  WithContextMenu({ItemsDrawn(), shapedAndHandled});
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles() && !HasFailure(); ++i) WithContextMenu({ItemsDrawn(), shapedAndHandled});
  EXPECT_EQ(CountResources(), before);
  EXPECT_EQ(unshaped, 0) << "every cycle's window was handled and shaped";
}

}  // namespace
}  // namespace sundrel
