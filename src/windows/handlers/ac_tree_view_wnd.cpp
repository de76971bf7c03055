#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "base/handles_win32.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {

namespace {

// The messages after which the tree may have set its bars: its own requests (items added,
// removed, opened, selected, scrolled into view, colours), a new font (the skin's font colour
// brings one), redrawing switched back on, painting (items measured after a change), and the
// mouse wheel, double clicks and timers (opening a node, scrolling while dragging).
bool MaySetBars(UINT msg) {
  return (msg >= TV_FIRST && msg < TV_FIRST + 0x100) || msg == WM_SETFONT || msg == WM_SETREDRAW || msg == WM_PAINT ||
         msg == WM_MOUSEWHEEL || msg == WM_LBUTTONDBLCLK || msg == WM_TIMER;
}

}  // namespace

TacTreeViewWnd::~TacTreeViewWnd() {
  Retire();
}

void TacTreeViewWnd::RestoreNativeParams() {
  TacEditWnd::RestoreNativeParams();
  SendMessageW(Window(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(clWindow)));
}

void TacTreeViewWnd::ApplySkinParams() {
  ParamsApplied = true;
  const TsGeneralData* section = SkinData()->Section();
  if (section == nullptr) return;
  TControl* control = OwnerControl();
  if (!ForDialog && control != nullptr && control->Font().Color() != section->HotFontColor[0]) {
    control->Font().SetColor(section->HotFontColor[0]);
  }
  const TColor background = ColorToRGB(ForDialog ? clWindow : section->HotColor);
  if (control == nullptr || ColorToRGB(control->Color()) != background) {
    SendMessageW(Window(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
  }
}

void TacTreeViewWnd::EraseBackground(TMessage& message) {
  TsCommonData& data = *SkinData();
  if (data.BGChanged) PrepareBackground(ForDialog);
  const TsGeneralData* section = data.Section();
  const TColor fill = ColorToRGB(ForDialog || section == nullptr ? clWindow : section->HotColor);
  RECT client{};
  GetClientRect(Window(), &client);
  const UniqueBrush brush(CreateSolidBrush(fill));
  if (message.WParam != 0) {
    FillRect(reinterpret_cast<HDC>(message.WParam), &client, brush.get());
  } else {
    const WindowDC dc(Window());
    FillRect(dc.get(), &client, brush.get());
  }
  message.Result = 0;
}

void TacTreeViewWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacEditWnd::WndProc(message, passOn);
    return;
  }
  if (message.Msg == WM_ERASEBKGND && !SkinData()->Updating) {
    EraseBackground(message);
    return;
  }
  const UINT msg = message.Msg;
  TacEditWnd::WndProc(message, passOn);
  if (Detached) return;
  if (msg == WM_LBUTTONUP && GetCapture() == Window()) ReleaseCapture();
  // Under Wine a tree that sets its bars (changed or not) has the native one drawn straight into
  // its frame, without a frame paint: ours goes back on top of it.
  if (!Scrolling && IsWindowVisible(Window()) && (MaySetBars(msg) || BarsChanged())) RefreshBars(true);
}

}  // namespace sundrel
