#include "windows/handlers/ac_base_wnd.h"

#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"

namespace sundrel {

void TacBaseWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacScrollWnd::WndProc(message, passOn);
    return;
  }
  const UINT msg = message.Msg;
  switch (msg) {
    case SM_SKINCMD:
      if (SkinCommandCode(message.WParam) == SMC_REFRESH && message.LParam == reinterpret_cast<LPARAM>(SkinManager())) {
        TacScrollWnd::WndProc(message, passOn);
        if (!Detached && IsWindowVisible(Window())) SendMessageW(Window(), WM_NCPAINT, 0, 0);
        return;
      }
      if (SkinCommandCode(message.WParam) == SMC_PREPARE_CACHE) PrepareBackground(false);
      break;
    case WM_SIZE:
      SkinData()->BGChanged = true;
      break;
    case WM_SETCURSOR:
      passOn(message);
      return;
    default:
      break;
  }
  TacScrollWnd::WndProc(message, passOn);
  if (Detached) return;
  switch (msg) {
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!Scrolling) RefreshBars(true);
      return;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      if (IsWindowVisible(Window())) SendMessageW(Window(), WM_NCPAINT, 0, 0);
      return;
    default:
      return;
  }
}

}  // namespace sundrel
