#include "windows/dialog_controls/ac_panel_wnds.h"

#include "base/handles_win32.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/dialog_controls/dialog_paint.h"

namespace sundrel {

namespace {

// The section over the parent's picture, made anew in the cache.
void PrepareOwnBackground(TacMainWnd& handler) {
  handler.UpdateGeometry();
  handler.SkinData()->BGChanged = true;
  SendSkinCommand(handler.Window(), SMC_PREPARE_CACHE);
}

}  // namespace

void TacTransPanelWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacMainWnd::WndProc(message, passOn);
    return;
  }
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      PrepareOwnBackground(*this);
      const WindowDC dc(Window());
      const SavedDC saved(dc.get());
      // The children paint themselves: painting under them would only flicker.
      for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc.get(), r.left, r.top, r.right, r.bottom);
      }
      CopyCacheToDC(*this, dc.get());
      message.Result = 1;
      return;
    }
    case WM_NCPAINT:
      return;
    default:
      TacMainWnd::WndProc(message, passOn);
  }
}

void TacSizerWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacMainWnd::WndProc(message, passOn);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      PrepareOwnBackground(*this);
      ShowCache(*this, reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_NCPAINT:
      return;
    case WM_NCHITTEST:
      TacMainWnd::WndProc(message, passOn);
      message.Result = HTBOTTOMRIGHT;
      if (TsSkinManager* manager = DefaultManager(); manager != nullptr && IsWindowEnabled(Window())) {
        manager->SetActiveControl(nullptr);
      }
      return;
    default:
      TacMainWnd::WndProc(message, passOn);
  }
}

}  // namespace sundrel
