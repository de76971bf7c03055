#include "windows/dialog_controls/ac_combo_list_wnd.h"

#include "base/handles_win32.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "framework/graphics.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/dialog_controls/dialog_paint.h"

namespace sundrel {

namespace {

// What a drop-down list hears when it is shown and hidden.
constexpr UINT kListShown = 0x01AE;
constexpr UINT kListHidden = 0x01AF;
// The ring of the list's border taken from the section.
constexpr int kListBorder = 2;
// The ring a printed list gets, as wide as the combo box's own.
constexpr int kPrintedBorder = 3;

}  // namespace

TacComboListWnd::~TacComboListWnd() {
  Retire();
}

void TacComboListWnd::PaintListFrame() {
  PaintFrame(kListBorder, !ForDialog);
  if (SimpleCombo && !Detached) PaintStripBelowList();
}

void TacComboListWnd::PaintStripBelowList() {
  HWND combo = GetParent(Window());
  TacMainWnd* comboHandler = combo != nullptr ? TacMainWnd::Find(combo) : nullptr;
  if (comboHandler == nullptr || comboHandler->ParentWindow == nullptr) return;
  comboHandler->UpdateGeometry();
  RECT comboRect{}, listRect{};
  GetWindowRect(combo, &comboRect);
  GetWindowRect(Window(), &listRect);
  const int top = listRect.bottom - comboRect.top;
  const int width = comboRect.right - comboRect.left, height = comboRect.bottom - listRect.bottom;
  if (width <= 0 || height <= 0) return;
  const TacParentImage parent = AskParentImage(comboHandler->ParentWindow);
  if (!parent.Ready) return;
  // The list keeps whole items, so the combo box shows a strip of itself below it: that strip is
  // what lies behind the combo box.
  TBitmap strip;
  strip.SetPixelFormat(TPixelFormat::pf24bit);
  strip.SetSize(width, height);
  if (strip.Handle() == nullptr) return;
  const POINT place{comboHandler->PosInParent.x, comboHandler->PosInParent.y + top};
  CopyParentPixels(PixelsOfDibSection(strip.Handle()), parent, place, RECT{0, 0, width, height});
  const WholeWindowDC dc(combo);
  BitBlt(dc.get(), 0, top, width, height, strip.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TacComboListWnd::Print(TMessage& message, const TPassOn& passOn) {
  const UINT msg = message.Msg;
  passOn(message);
  if (Detached || msg != WM_PRINT || SendMessageW(Window(), LB_GETCOUNT, 0, 0) <= 0) return;
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  UpdateGeometry();
  TsCommonData& data = *SkinData();
  if (!ParamsApplied) ApplySkinParams();
  PrepareBackground(ForDialog);
  TBitmap* cache = data.CacheBmp();
  // While the list is dropped or its bar pressed, the native frame stays as the list drew it.
  if (ScrollTracking().PressPortion == spNone && !ListShown && cache != nullptr && cache->Handle() != nullptr) {
    CopyFrameStrips(dc, 0, 0, Size.cx, Size.cy, cache->Canvas().Handle(), 0, 0, kPrintedBorder);
  }
  PaintBars(dc);
}

void TacComboListWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacEditWnd::WndProc(message, passOn);
    return;
  }
  const UINT msg = message.Msg;
  switch (msg) {
    case kListShown:
      ListShown = true;
      break;
    case kListHidden:
      ListShown = false;
      SkinData()->BGChanged = true;
      break;
    case WM_NCPAINT:
      if (!Scrolling && IsWindowVisible(Window())) PaintListFrame();
      return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      // The list makes the press itself from a click outside its items and guesses the part
      // from the system's bar sizes: our bars answer for themselves.
      message.WParam = static_cast<WPARAM>(SendMessageW(Window(), WM_NCHITTEST, 0, message.LParam));
      break;
    case WM_TIMER:
      // The list's own timers stop here; the bars' timers are ours. The list's scrolling while
      // the mouse is held below it does not need them: it runs on the system's timer.
      if (!IsBarTimer(message.WParam)) return;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_ERASEBKGND:
      passOn(message);
      return;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      if (message.WParam != 0 && IsWindowVisible(Window())) {
        Print(message, passOn);
        return;
      }
      break;
    default:
      break;
  }
  TacEditWnd::WndProc(message, passOn);
  if (msg == WM_WINDOWPOSCHANGED && !Detached) RefreshBars(true);
}

}  // namespace sundrel
