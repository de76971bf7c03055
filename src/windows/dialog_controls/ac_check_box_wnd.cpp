#include "windows/dialog_controls/ac_check_box_wnd.h"

#include "base/handles_win32.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/mask/mask_glyph.h"
#include "skin/model/skin_model.h"
#include "windows/dialog_controls/dialog_paint.h"

namespace sundrel {

bool ShowsBoxImages(LONG style) {
  return (style & 3) == 3 || (style & 2) != 0 || (style & 5) == 5;
}

const char* CheckImageName(bool box, int checkState) {
  if (checkState == 2) return "BOXGRAYED";
  if (box) return checkState == 1 ? "BOXCHECKED" : "BOXUNCHECKED";
  return checkState == 1 ? "RADIOCHECKED" : "RADIOUNCHECKED";
}

int TacCheckBoxWnd::CheckState() const {
  const LRESULT state = SendMessageW(Window(), BM_GETSTATE, 0, 0);
  if ((state & BST_INDETERMINATE) != 0) return 2;
  return (state & BST_CHECKED) != 0 ? 1 : 0;
}

int TacCheckBoxWnd::ImageState() const {
  if (HasButtonState(Window(), BST_PUSHED)) return 2;
  return GetFocus() == Window() || IsHoveredControl(Window()) ? 1 : 0;
}

void TacCheckBoxWnd::PaintCache() {
  const HWND window = Window();
  if (!PaintStateBackground(*this, SkinData()->CurrentState())) return;
  const TsSkinManager* manager = SkinManager();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const int imageState = ImageState();
  const int mask = manager->GetMaskIndexDirect("GLOBALINFO", CheckImageName(ShowsBoxImages(style), CheckState()));
  // A missing image still leaves the text where a 16 x 16 box would push it.
  const TSize cell = manager->IsValidMaskIndex(mask) ? manager->GetMaskCellSize(mask) : TSize{16, 16};
  TBitmap& cache = *SkinData()->CacheBmp();
  if (!Caption.empty()) {
    const RECT r{cell.cx + 2, 0, Size.cx - 4, Size.cy};
    const UINT flags = (style & BS_MULTILINE) != 0 ? DT_WORDBREAK | DT_CENTER : DT_SINGLELINE | DT_VCENTER;
    DrawCaptionInCache(*this, WindowFont(window), Caption, flags, r, imageState == 1);
    if (HasButtonState(window, BST_FOCUS)) {
      RECT focus = r;
      InflateRect(&focus, 0, -2);
      DrawFocusRect(cache.Canvas().Handle(), &focus);
    }
  }
  if (manager->IsValidMaskIndex(mask)) {
    GdiFlush();
    const SkinModel& skin = manager->Skin();
    DrawMaskGlyph(PixelsOfDibSection(cache.Handle()), {0, (Size.cy - cell.cy) / 2}, imageState,
                  skin.Masks()[static_cast<size_t>(mask)], &skin.MasterBitmap(), kGlyphNormal);
  }
  PaintDisabledWhenNeeded(*this);
  SkinData()->BGChanged = false;
}

void TacCheckBoxWnd::Paint(HDC given) {
  if (given != nullptr || IsWindowVisible(Window())) PaintCache();
  ShowCache(*this, given);
}

void TacCheckBoxWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacMainWnd::WndProc(message, passOn);
    return;
  }
  const HWND window = Window();
  const UINT msg = message.Msg;
  switch (msg) {
    case WM_ENABLE:
    case BM_SETCHECK:
    case BM_SETSTATE:
      if (!IsWindowVisible(window)) break;
      PassOnRedrawGuarded(*this, message, passOn);
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_NCPAINT:
      return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      return;
    case SM_SKINCMD:
      if (const int code = SkinCommandCode(message.WParam); code == SMC_MOUSE_ENTER || code == SMC_MOUSE_LEAVE) {
        SkinData()->BGChanged = true;
        TacMainWnd::WndProc(message, passOn);
        SendMessageW(window, WM_PAINT, 0, 0);
        return;
      }
      break;
    default:
      break;
  }
  TacMainWnd::WndProc(message, passOn);
  if (Detached) return;
  if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS || (msg == WM_KEYDOWN && message.WParam == VK_SPACE) ||
      msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP) {
    SendMessageW(window, WM_PAINT, 0, 0);
  } else if (msg == WM_NCHITTEST) {
    TrackHover();
  }
}

}  // namespace sundrel
