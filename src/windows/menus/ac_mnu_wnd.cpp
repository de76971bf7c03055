#include "windows/menus/ac_mnu_wnd.h"

#include "base/handles_win32.h"
#include "controls/control_skin.h"
#include "controls/s_common_data.h"
#include "framework/application.h"
#include "paint/dc_paint_win32.h"
#include "paint/shared_slots.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/menus/menu_state.h"

namespace sundrel {

namespace {

constexpr const char* kMainMenu = "MAINMENU";
// The thickness of the frame strips that the handler refreshes.
constexpr int kFrameWidth = 3;

// The handler forgets the menu with its window: the next menu starts afresh.
void MenuWindowGone() {
  ReleaseMenuState();
  MenuState().MenuShowing = false;
}

}  // namespace

TacMnuWnd::TacMnuWnd(HWND window, TsSkinManager* manager) : TacScrollWnd(window, kMainMenu, manager, nullptr) {}

void TacMnuWnd::RefreshCache() {
  UpdateGeometry();
  TsCommonData& data = *SkinData();
  if (!data.BGChanged) return;
  data.PrepareCache();
  Shared().BackFillColor = clFuchsia;
  TBitmap& cache = *data.CacheBmp();
  cache.SetSize(Size.cx, Size.cy);
  PaintControlSkin(data, TacParentImage{}, true, false, cache, TPoint{PosInParent.x, PosInParent.y},
                   TRect{0, 0, Size.cx, Size.cy}, 0);
  PaintCornerPixels(0);
  data.BGChanged = false;
}

POINT TacMnuWnd::ClientOffset() const {
  RECT bounds{};
  GetWindowRect(Window(), &bounds);
  POINT client{0, 0};
  ClientToScreen(Window(), &client);
  return {client.x - bounds.left, client.y - bounds.top};
}

void TacMnuWnd::AnswerSkinCommand(TMessage& message) {
  switch (SkinCommandCode(message.WParam)) {
    case SMC_IS_SKINNED:
      message.LParam = 1;
      message.Result = 1;
      break;
    case SMC_IS_FRAME_PREPARED:
      message.Result = FramePrepared ? 1 : 0;
      break;
    case SMC_MENU_FRAME_READY:
      if (IsWindowVisible(Window())) FramePrepared = true;
      break;
    case SMC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      break;
    default:
      // A menu window answers the painter only.
      break;
  }
}

void TacMnuWnd::EraseBackground(HDC dc) {
  RefreshCache();
  TBitmap* cache = SkinData()->CacheBmp();
  if (cache != nullptr && cache->Handle() != nullptr) {
    const POINT offset = ClientOffset();
    const auto copy = [&](HDC target) {
      BitBlt(target, 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), offset.x, offset.y, SRCCOPY);
    };
    if (dc != nullptr) {
      copy(dc);
    } else {
      const WindowDC own(Window());
      copy(own.get());
    }
  }
  FramePrepared = false;
}

void TacMnuWnd::PaintFrame() {
  RefreshCache();
  TBitmap* source = SkinData()->CacheBmp();
  // The menu's own picture serves only when it is six pixels narrower than the window and as
  // high: one made before the window's frame was known. Otherwise the handler's picture does.
  TBitmap* picture = MenuState().MenuPicture.get();
  if (picture != nullptr && picture->Width() + 2 * kFrameWidth == Size.cx && picture->Height() == Size.cy) {
    source = picture;
  }
  if (source == nullptr || source->Handle() == nullptr) return;
  const WholeWindowDC window(Window());
  CopyFrameStrips(window.get(), 0, 0, source->Width(), source->Height(), source->Canvas().Handle(), 0, 0, kFrameWidth);
}

void TacMnuWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached) {
    passOn(message);
    return;
  }
  switch (message.Msg) {
    // The handler stays until the window's last message, and is freed by its owner after that.
    case WM_DESTROY:
      FramePrepared = false;
      passOn(message);
      MenuWindowGone();
      return;
    case WM_NCDESTROY:
      FramePrepared = false;
      TacScrollWnd::WndProc(message, passOn);
      MenuWindowGone();
      return;
    case SM_SKINCMD:
      AnswerSkinCommand(message);
      return;
    case WM_ERASEBKGND:
      if (!MenuState().MenuShowing) break;
      EraseBackground(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_NCPAINT:
      if (!MenuState().MenuShowing) break;
      PaintFrame();
      return;
    default:
      break;
  }
  TacScrollWnd::WndProc(message, passOn);
}

}  // namespace sundrel
