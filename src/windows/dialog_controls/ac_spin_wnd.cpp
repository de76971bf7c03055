#include "windows/dialog_controls/ac_spin_wnd.h"

#include "base/handles_win32.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/mask/mask_glyph.h"
#include "skin/model/skin_model.h"
#include "windows/dialog_controls/dialog_paint.h"

namespace sundrel {

void TacSpinWnd::ReadHalfStates() {
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT upper = WindowRect, lower = WindowRect;
  upper.bottom = WindowRect.top + (Size.cy + 1) / 2;
  lower.top = upper.bottom;
  const int pressed = MouseDown ? 2 : 1;
  UpperState = PtInRect(&upper, cursor) ? pressed : 0;
  LowerState = PtInRect(&lower, cursor) ? pressed : 0;
}

void TacSpinWnd::Paint() {
  UpdateGeometry();
  ReadHalfStates();
  const int middle = (Size.cy + 1) / 2;
  const RECT upper{LeftOffset, 0, Size.cx, middle};
  const RECT lower{LeftOffset, middle, Size.cx, Size.cy};
  if (!PaintStateBackground(*this, UpperState, &upper) || !PaintStateBackground(*this, LowerState, &lower)) return;
  const TsSkinManager* manager = SkinManager();
  const SkinModel& skin = manager->Skin();
  const TacPixels pixels = PixelsOfDibSection(SkinData()->CacheBmp()->Handle());
  const struct {
    int mask;
    RECT r;
    int state;
  } arrows[] = {{skin.Indexes().ScrollBtnTop.GlyphMask, upper, UpperState},
                {skin.Indexes().ScrollBtnBottom.GlyphMask, lower, LowerState}};
  GdiFlush();
  for (const auto& arrow : arrows) {
    if (!manager->IsValidMaskIndex(arrow.mask)) continue;
    const TSize cell = manager->GetMaskCellSize(arrow.mask);
    DrawMaskGlyph(pixels, {(arrow.r.left + arrow.r.right - cell.cx) / 2, (arrow.r.top + arrow.r.bottom - cell.cy) / 2},
                  arrow.state, skin.Masks()[static_cast<size_t>(arrow.mask)], &skin.MasterBitmap(),
                  IsWindowEnabled(Window()) ? kGlyphNormal : 0);
  }
  SkinData()->BGChanged = false;
}

void TacSpinWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacMainWnd::WndProc(message, passOn);
    return;
  }
  const UINT msg = message.Msg;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      MouseDown = msg == WM_LBUTTONDOWN;
      TacMainWnd::WndProc(message, passOn);
      if (!Detached) InvalidateRect(Window(), nullptr, FALSE);
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_NCPAINT:
      return;
    case WM_PAINT:
      Paint();
      ShowCache(*this, reinterpret_cast<HDC>(message.WParam), LeftOffset);
      return;
    default:
      break;
  }
  TacMainWnd::WndProc(message, passOn);
  if (msg == WM_MOUSEMOVE && !Detached) InvalidateRect(Window(), nullptr, FALSE);
}

}  // namespace sundrel
