#include "windows/menus/menu_frame.h"

#include <algorithm>
#include <memory>

#include "base/handles_win32.h"
#include "framework/window_subclass.h"
#include "paint/shared_slots.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/menus/ac_mnu_wnd.h"
#include "windows/menus/menu_state.h"

namespace sundrel {

namespace {

bool& Shaping() {
  static bool shaping = false;
  return shaping;
}

// The filters of the menu windows shaped so far; each lets go of its window when the window goes.
std::vector<std::unique_ptr<TWindowSubclass>>& Filters() {
  static std::vector<std::unique_ptr<TWindowSubclass>> filters;
  return filters;
}

bool SinceVista() {
  return LOBYTE(LOWORD(GetVersion())) > 5;
}

// The menu's picture covers the whole window: the frame painted from it stands.
bool PictureFitsWindow(HWND window) {
  const TBitmap* picture = MenuState().MenuPicture.get();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return picture != nullptr && picture->Width() == bounds.right - bounds.left &&
         picture->Height() == bounds.bottom - bounds.top;
}

void MenuFrameProc(HWND window, TMessage& message, const TPassOn& passOn) {
  switch (message.Msg) {
    case WM_DESTROY:
      ReleaseMenuState();
      passOn(message);
      return;
    // The background is the picture's: the system's fill would flash under the items.
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_NCPAINT:
      if (!SinceVista() || !PictureFitsWindow(window)) passOn(message);
      message.Result = 1;
      return;
    default:
      passOn(message);
      return;
  }
}

// Our own subclass, not the window's user data: a system window's user data belongs to the system.
void FilterMenuFrame(HWND window) {
  auto& filters = Filters();
  std::erase_if(filters, [](const std::unique_ptr<TWindowSubclass>& filter) { return !filter->Attached(); });
  if (HasMenuFrameFilter(window)) return;
  filters.push_back(std::make_unique<TWindowSubclass>(
      window, [window](TMessage& message, const TPassOn& passOn) { MenuFrameProc(window, message, passOn); }));
}

}  // namespace

bool HasMenuFrameFilter(HWND window) {
  const auto& filters = Filters();
  return std::any_of(filters.begin(), filters.end(), [window](const std::unique_ptr<TWindowSubclass>& filter) {
    return filter->Window() == window && filter->Attached();
  });
}

void ShapeMenuWindow(HWND window, const TBitmap* picture, const std::vector<TRect>& cornerHoles) {
  if (Shaping() || !IsWindow(window)) return;
  SlotScope shaping(Shaping(), true);
  FilterMenuFrame(window);
  if (picture == nullptr || SendSkinCommand(window, SMC_IS_FRAME_PREPARED) != 0) return;
  SendSkinCommand(window, SMC_MENU_FRAME_READY);
  UniqueRegion region(CreateRectRgn(0, 0, picture->Width(), picture->Height()));
  const auto cut = [&region](const TRect& r) {
    const UniqueRegion hole(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    CombineRgn(region.get(), region.get(), hole.get(), RGN_DIFF);
  };
  if (cornerHoles.empty()) {
    cut({0, 0, 1, 1});
  } else {
    std::for_each(cornerHoles.begin(), cornerHoles.end(), cut);
  }
  if (SetWindowRgn(window, region.get(), TRUE)) region.release();
}

}  // namespace sundrel
