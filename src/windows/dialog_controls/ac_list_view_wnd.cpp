#include "windows/dialog_controls/ac_list_view_wnd.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "base/handles_win32.h"
#include "base/utf.h"
#include "controls/control_skin.h"
#include "controls/s_common_data.h"
#include "controls/section_paint_win32.h"
#include "controls/skin_utilities.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/mask/mask_glyph.h"
#include "skin/model/skin_model.h"
#include "windows/dialog_controls/dialog_paint.h"

namespace sundrel {

TacListViewWnd::~TacListViewWnd() {
  Retire();
}

bool TacListViewWnd::ReportView() const {
  return SendMessageW(Window(), LVM_GETVIEW, 0, 0) == LV_VIEW_DETAILS;
}

void TacListViewWnd::SaveNativeParams() {
  SavedColor = static_cast<TColor>(SendMessageW(Window(), LVM_GETBKCOLOR, 0, 0));
  SavedFontColor = static_cast<TColor>(SendMessageW(Window(), LVM_GETTEXTCOLOR, 0, 0));
}

void TacListViewWnd::RestoreNativeParams() {
  TacEditWnd::RestoreNativeParams();
  const HWND window = Window();
  SendMessageW(window, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(SavedColor));
  SendMessageW(window, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(SavedColor));
  SendMessageW(window, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(clWindowText)));
  headerHook_.reset();
  HeaderWindow = nullptr;
}

void TacListViewWnd::ApplySkinParams() {
  TacEditWnd::ApplySkinParams();
  const TsGeneralData* section = SkinData()->Section();
  const bool plain = ForDialog || section == nullptr;
  const TColor back = ColorToRGB(plain ? clWindow : section->Color);
  const TColor text = ColorToRGB(plain ? clWindowText : section->FontColor[0]);
  const HWND window = Window();
  SendMessageW(window, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
  SendMessageW(window, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
  SendMessageW(window, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
}

void TacListViewWnd::BeforeAttach() {
  TacEditWnd::BeforeAttach();
  HookHeader(FindWindowExW(Window(), nullptr, WC_HEADERW, nullptr));
}

void TacListViewWnd::HookHeader(HWND header) {
  headerHook_.reset();
  HeaderWindow = header;
  if (header == nullptr) return;
  headerHook_ = std::make_unique<TWindowSubclass>(
      header, [this](TMessage& message, const TPassOn& passOn) { HeaderProc(message, passOn); });
}

void TacListViewWnd::RepaintHeader() {
  if (HeaderWindow != nullptr) InvalidateRect(HeaderWindow, nullptr, FALSE);
}

void TacListViewWnd::PaintColumn(HDC dc, const RECT& r, int item) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return;
  const TsSkinManager* manager = SkinManager();
  TBitmap picture;
  picture.SetPixelFormat(TPixelFormat::pf24bit);
  picture.SetSize(width, height);
  const std::unique_ptr<TsCommonData> part =
      PartSkinData(manager, manager->GetSkinIndex("COLHEADER") >= 0 ? "COLHEADER" : "BUTTON");
  const int state = item >= 0 && item == PressedColumn ? 2 : 0;
  PaintControlSkin(*part, TacParentImage{}, true, false, picture, TPoint{0, 0}, TRect{0, 0, width, height}, state);
  // Nothing lies behind a header: the holes of the columns' corners show the dialog face.
  GdiFlush();
  ReplaceKeyColor(PixelsOfDibSection(picture.Handle()), ColorToRGB(clBtnFace));
  if (item >= 0) {
    wchar_t text[260] = {};
    HDITEMW info{};
    info.mask = HDI_TEXT | HDI_FORMAT;
    info.pszText = text;
    info.cchTextMax = 260;
    SendMessageW(HeaderWindow, HDM_GETITEMW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
    RECT textRect{4, 1, width - 8, height - 1};
    if (state == 2) OffsetRect(&textRect, 1, 1);
    UINT align = DT_LEFT;
    if ((info.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) align = DT_RIGHT;
    if ((info.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) align = DT_CENTER;
    TCanvas canvas;
    canvas.SetHandle(picture.Canvas().Handle());
    AssignFont(canvas.Font(), WindowFont(HeaderWindow));
    DrawSectionText(canvas, FromWide(text), true, manager, state != 0, part->SkinIndex,
                    DT_END_ELLIPSIS | DT_NOCLIP | DT_SINGLELINE | DT_VCENTER | align, textRect);
    const ElementIndexes& arrows = (info.fmt & HDF_SORTDOWN) != 0 ? manager->Skin().Indexes().ScrollBtnBottom
                                                                  : manager->Skin().Indexes().ScrollBtnTop;
    if ((info.fmt & (HDF_SORTDOWN | HDF_SORTUP)) != 0 && manager->IsValidMaskIndex(arrows.GlyphMask)) {
      RECT measured = textRect;
      canvas.DrawText(FromWide(text), measured, DT_CALCRECT | DT_SINGLELINE);
      const TSize cell = manager->GetMaskCellSize(arrows.GlyphMask);
      GdiFlush();
      const SkinModel& skin = manager->Skin();
      DrawMaskGlyph(PixelsOfDibSection(picture.Handle()), {measured.right + 6, (height - cell.cy) / 2}, 0,
                    skin.Masks()[static_cast<size_t>(arrows.GlyphMask)], &skin.MasterBitmap(), kGlyphNormal);
    }
  }
  BitBlt(dc, r.left, r.top, width, height, picture.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TacListViewWnd::PaintHeader(HDC dc) {
  const HWND header = HeaderWindow;
  RECT client{};
  GetClientRect(header, &client);
  const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  const bool inDisplayOrder = (GetWindowLongW(header, GWL_STYLE) & HDS_DRAGDROP) != 0;
  int right = 0;
  for (int i = 0; i < count; ++i) {
    const int item = inDisplayOrder ? static_cast<int>(SendMessageW(header, HDM_ORDERTOINDEX, i, 0)) : i;
    RECT r{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
    if (r.right > r.left && r.bottom > r.top) PaintColumn(dc, r, item);
    right = std::max<int>(right, r.right);
  }
  PaintColumn(dc, RECT{right, 0, client.right, client.bottom}, -1);
}

void TacListViewWnd::HeaderProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned() || !ReportView()) {
    passOn(message);
    return;
  }
  const HWND header = HeaderWindow;
  switch (message.Msg) {
    case WM_PAINT:
      if (message.WParam != 0) {
        PaintHeader(reinterpret_cast<HDC>(message.WParam));
      } else {
        const PaintScope paint(header);
        PaintHeader(paint.get());
      }
      return;
    case WM_PRINTCLIENT:
      PaintHeader(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_WINDOWPOSCHANGING:
      passOn(message);
      SendMessageW(Window(), WM_NCPAINT, 0, 0);
      return;
    case WM_NCDESTROY:
      passOn(message);
      HeaderWindow = nullptr;
      return;
    case WM_LBUTTONUP:
      passOn(message);
      PressedColumn = -1;
      RepaintHeader();
      return;
    case WM_LBUTTONDOWN:
      passOn(message);
      if ((GetWindowLongW(header, GWL_STYLE) & HDS_BUTTONS) != 0) {
        HDHITTESTINFO hit{};
        hit.pt = POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
        const auto item = static_cast<int>(SendMessageW(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        PressedColumn = (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) != 0 ? -1 : item;
        RepaintHeader();
      }
      return;
    default:
      passOn(message);
      return;
  }
}

void TacListViewWnd::FollowThumb(int position) {
  // The list view reads the position of a thumb drag from the system's own tracking, which a
  // skinned bar does not start: the handler scrolls it, item by item.
  const int top = static_cast<int>(SendMessageW(Window(), LVM_GETTOPINDEX, 0, 0));
  if (position == top) return;
  RECT item{LVIR_BOUNDS, 0, 0, 0};
  const bool known = SendMessageW(Window(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)) != 0;
  const int itemHeight = known ? std::max<int>(1, item.bottom - item.top) : 1;
  SendMessageW(Window(), LVM_SCROLL, 0, static_cast<LPARAM>((position - top) * itemHeight));
  RefreshBars(true);
}

void TacListViewWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacEditWnd::WndProc(message, passOn);
    return;
  }
  const UINT msg = message.Msg;
  switch (msg) {
    case WM_PARENTNOTIFY:
      passOn(message);
      if (LOWORD(message.WParam) == WM_CREATE || LOWORD(message.WParam) == WM_DESTROY) {
        wchar_t className[32] = {};
        GetClassNameW(reinterpret_cast<HWND>(message.LParam), className, 32);
        if (lstrcmpiW(className, WC_HEADERW) == 0) {
          HookHeader(LOWORD(message.WParam) == WM_CREATE ? reinterpret_cast<HWND>(message.LParam) : nullptr);
        }
      }
      return;
    case WM_PAINT:
      if (!ParamsApplied) ApplySkinParams();
      break;
    case WM_VSCROLL:
      if (LOWORD(message.WParam) == SB_THUMBTRACK && ReportView()) {
        FollowThumb(static_cast<int>(HIWORD(message.WParam)));
        return;
      }
      break;
    case SM_SKINCMD:
      if (SkinCommandCode(message.WParam) == SMC_REFRESH) {
        TacEditWnd::WndProc(message, passOn);
        RepaintHeader();
        return;
      }
      break;
    default:
      break;
  }
  TacEditWnd::WndProc(message, passOn);
  if (Detached) return;
  if (msg == WM_STYLECHANGED || msg == LVM_ARRANGE || msg == LVM_INSERTITEMA || msg == LVM_INSERTITEMW) {
    RefreshBars(true);
  } else if (msg == WM_LBUTTONUP) {
    ReleaseCapture();
  }
}

}  // namespace sundrel
