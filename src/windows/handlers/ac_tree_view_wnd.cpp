#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "base/handles_win32.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {

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
  if (!Detached && msg == WM_LBUTTONUP && GetCapture() == Window()) ReleaseCapture();
}

}  // namespace sundrel
