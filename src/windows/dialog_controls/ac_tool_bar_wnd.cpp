#include "windows/dialog_controls/ac_tool_bar_wnd.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>

#include "base/handles_win32.h"
#include "base/utf.h"
#include "controls/control_skin.h"
#include "controls/s_common_data.h"
#include "controls/section_paint_win32.h"
#include "controls/skin_utilities.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/mask/mask_glyph.h"
#include "skin/model/skin_model.h"
#include "windows/dialog_controls/dialog_paint.h"

namespace sundrel {

namespace {

constexpr BYTE kWholeDropDown = 0x80;
constexpr int kImageTop = 4;

}  // namespace

bool TacToolBarWnd::ParentUpdating() {
  const HWND parent = GetParent(Window());
  SkinData()->Updating = parent != nullptr && AskWindowTwice(parent, SMC_GET_BG_CHANGED);
  return SkinData()->Updating;
}

void TacToolBarWnd::PrepareToolBackground() {
  UpdateGeometry();
  if (!SkinData()->BGChanged) return;
  GetClientRect(Window(), &InnerRect);
  PrepareBackground(false);
  PaintCornerPixels(0);
  ToolBorder = (Size.cy - (InnerRect.bottom - InnerRect.top)) / 2;
  SkinData()->BGChanged = false;
}

void TacToolBarWnd::PaintFrame() {
  if ((GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0 || ParentUpdating()) return;
  PrepareToolBackground();
  TBitmap* cache = SkinData()->CacheBmp();
  if (cache == nullptr || cache->Handle() == nullptr) return;
  RECT client{};
  GetClientRect(Window(), &client);
  const WholeWindowDC dc(Window());
  CopyFrameStrips(dc.get(), 0, 0, Size.cx, Size.cy, cache->Canvas().Handle(), 0, 0, (Size.cx - client.right) / 2);
}

int TacToolBarWnd::ButtonState(BYTE tbState, const RECT& r) const {
  if ((tbState & TBSTATE_ENABLED) == 0) return 0;
  if ((tbState & TBSTATE_PRESSED) != 0) return 2;
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Window(), &cursor);
  return PtInRect(&r, cursor) ? 1 : 0;
}

void TacToolBarWnd::PaintButton(TBitmap& picture, int index, const RECT& r) {
  TBBUTTON button{};
  SendMessageW(Window(), TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
  if ((button.fsStyle & BTNS_SEP) != 0) return;
  const int state = ButtonState(button.fsState, r);
  const TsSkinManager* manager = SkinManager();
  const SkinModel& skin = manager->Skin();
  const RECT at = [&] {
    RECT moved = r;
    OffsetRect(&moved, ToolBorder, ToolBorder);
    return moved;
  }();
  const TacParentImage toolbar{PixelsOfDibSection(SkinData()->CacheBmp()->Handle()), 0, 0, true};
  const std::unique_ptr<TsCommonData> part = PartSkinData(manager, "TOOLBUTTON");
  PaintControlSkin(*part, toolbar, true, true, picture, TPoint{at.left, at.top},
                   TRect{at.left, at.top, at.right, at.bottom}, state);
  const int shift = state == 2 ? 1 : 0;
  int contentWidth = at.right - at.left;
  const int arrow = skin.Indexes().ScrollBtnBottom.GlyphMask;
  const HDC dc = picture.Canvas().Handle();
  if ((button.fsStyle & kWholeDropDown) != 0 && manager->IsValidMaskIndex(arrow)) {
    const TSize cell = manager->GetMaskCellSize(arrow);
    contentWidth -= cell.cx + 2;
    GdiFlush();
    DrawMaskGlyph(PixelsOfDibSection(picture.Handle()),
                  {at.right - cell.cx - 2 + shift, at.top + (at.bottom - at.top - cell.cy) / 2 + shift}, state,
                  skin.Masks()[static_cast<size_t>(arrow)], &skin.MasterBitmap(), kGlyphNormal);
  }
  int imageHeight = 0;
  if (auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Window(), TB_GETIMAGELIST, 0, 0));
      images != nullptr && button.iBitmap >= 0) {
    int width = 0;
    ImageList_GetIconSize(images, &width, &imageHeight);
    ImageList_DrawEx(images, button.iBitmap, dc, at.left + (contentWidth - width) / 2 + shift,
                     at.top + kImageTop + shift, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
  }
  wchar_t text[128] = {};
  SendMessageW(Window(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand), reinterpret_cast<LPARAM>(text));
  if (text[0] != L'\0') {
    const RECT textRect{at.left + 2 + shift, at.top + imageHeight + 4 + shift, at.right - 2 + shift, at.bottom + shift};
    TCanvas canvas;
    canvas.SetHandle(dc);
    AssignFont(canvas.Font(), WindowFont(Window()));
    // Hot and pressed buttons take the button's colours, the rest the toolbar's.
    const int colours = state != 0 ? part->SkinIndex : SkinData()->SkinIndex;
    DrawSectionText(canvas, FromWide(text), (button.fsState & TBSTATE_ENABLED) != 0, manager, state != 0, colours,
                    DT_END_ELLIPSIS | DT_WORDBREAK | DT_VCENTER | DT_CENTER, textRect);
  }
}

void TacToolBarWnd::Paint(HDC dc) {
  PrepareToolBackground();
  TBitmap* cache = SkinData()->CacheBmp();
  if (cache == nullptr || cache->Handle() == nullptr) return;
  TBitmap picture;
  picture.SetPixelFormat(TPixelFormat::pf24bit);
  picture.SetSize(cache->Width(), cache->Height());
  BitBlt(picture.Canvas().Handle(), 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), 0, 0, SRCCOPY);
  const int count = static_cast<int>(SendMessageW(Window(), TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (SendMessageW(Window(), TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)) == 0) continue;
    PaintButton(picture, i, r);
  }
  BitBlt(dc, 0, 0, InnerRect.right, InnerRect.bottom, picture.Canvas().Handle(), ToolBorder, ToolBorder, SRCCOPY);
}

void TacToolBarWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacMainWnd::WndProc(message, passOn);
    return;
  }
  const UINT msg = message.Msg;
  switch (msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      SkinData()->BGChanged = true;
      TacMainWnd::WndProc(message, passOn);
      if (!Detached) PaintFrame();
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_NCPAINT:
      PaintFrame();
      return;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      if (message.WParam != 0) {
        Paint(reinterpret_cast<HDC>(message.WParam));
        return;
      }
      const PaintScope paint(Window());
      if (ParentUpdating()) return;
      const WindowDC dc(Window());
      Paint(dc.get());
      return;
    }
    default:
      break;
  }
  TacMainWnd::WndProc(message, passOn);
  if (Detached) return;
  // The hot button follows the mouse.
  if (msg == WM_MOUSEMOVE || msg == WM_MOUSELEAVE || msg == WM_LBUTTONUP) InvalidateRect(Window(), nullptr, FALSE);
}

}  // namespace sundrel
