#include "windows/dialog_controls/ac_group_box_wnd.h"

#include <algorithm>

#include "base/handles_win32.h"
#include "base/utf.h"
#include "controls/control_skin.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "paint/dib_pixels_win32.h"
#include "paint/solid_fill.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/dialog_controls/dialog_paint.h"

namespace sundrel {

RECT TacGroupBoxWnd::CaptionRect() {
  UpdateGeometry();
  RECT text{0, 0, 0, 0};
  if (!Caption.empty()) {
    const UniqueDC measure(CreateCompatibleDC(nullptr));
    const SelectObjectGuard font(measure.get(), WindowFont(Window()));
    const std::wstring wide = ToWide(Caption);
    DrawTextW(measure.get(), wide.c_str(), static_cast<int>(wide.size()), &text, DT_CALCRECT | DT_CENTER);
  }
  const int right = std::min<int>(text.right - text.left + 14, Size.cx - 1);
  return RECT{6, 0, right, std::max<int>(4, text.bottom - text.top) + 2};
}

void TacGroupBoxWnd::PaintCache() {
  const RECT caption = CaptionRect();
  TsCommonData& data = *SkinData();
  if (data.CacheBmp() == nullptr) data.PrepareCache();
  TBitmap& cache = *data.CacheBmp();
  cache.SetPixelFormat(TPixelFormat::pf24bit);
  if (Size.cx <= 0 || Size.cy <= 0) return;
  if (cache.Width() != Size.cx || cache.Height() != Size.cy) cache.SetSize(Size.cx, Size.cy);
  if (cache.Handle() == nullptr) return;
  const TacParentImage parent = ParentWindow != nullptr ? AskParentImage(ParentWindow) : TacParentImage{};
  const TPoint at{PosInParent.x, PosInParent.y};
  // What lies behind the whole box first: the caption strip shows it above the frame.
  if (parent.Ready) {
    CopyParentPicture(*this, parent, RECT{0, 0, Size.cx, Size.cy});
  } else {
    const TColor fill = ParentWindow != nullptr ? AskBackFillColor(ParentWindow) : clFuchsia;
    FillSolidRect(PixelsOfDibSection(cache.Handle()), {0, 0, Size.cx, Size.cy},
                  ColorToRGB(fill != clFuchsia ? fill : clBtnFace));
  }
  const int top = (caption.bottom - caption.top) / 2;
  PaintControlSkin(data, parent, false, true, cache, TPoint{at.X, at.Y + top}, TRect{0, top, Size.cx, Size.cy}, 0);
  if (!Caption.empty()) {
    // The caption sits on what lies behind the box, not on the frame's line.
    CopyParentPicture(*this, parent, caption);
    DrawCaptionInCache(*this, WindowFont(Window()), Caption, DT_SINGLELINE | DT_VCENTER | DT_CENTER, caption, false);
  }
  PaintDisabledWhenNeeded(*this);
  data.BGChanged = false;
}

void TacGroupBoxWnd::PaintInto(HDC dc) {
  PaintCache();
  CopyCacheToDC(*this, dc);
  // The controls inside were painted over the old picture: they paint again over the new one.
  for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    SendSkinCommand(child, SMC_PARENT_UPDATED);
  }
}

void TacGroupBoxWnd::PaintOnWindow() {
  const TsSkinManager* manager = SkinManager();
  const int border = SkinData()->BorderIndex;
  const bool hasBorder = manager != nullptr && manager->IsValidMaskIndex(border);
  const RECT caption = CaptionRect();
  const WholeWindowDC dc(Window());
  const SavedDC saved(dc.get());
  ExcludeClipRect(dc.get(), hasBorder ? manager->MaskWidthLeft(border) : 2, caption.bottom - caption.top,
                  Size.cx - (hasBorder ? manager->MaskWidthRight(border) : 2),
                  Size.cy - (hasBorder ? manager->MaskWidthBottom(border) : 2));
  PaintInto(dc.get());
}

void TacGroupBoxWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacMainWnd::WndProc(message, passOn);
    return;
  }
  switch (message.Msg) {
    case WM_SIZE:
      SkinData()->BGChanged = true;
      break;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case SM_SKINCMD:
      if (SkinCommandCode(message.WParam) == SMC_GET_CAPTION_HEIGHT) {
        const RECT caption = CaptionRect();
        message.Result = caption.bottom - caption.top;
        return;
      }
      break;
    case WM_NCPAINT:
      if (!ForDialog) return;
      TacMainWnd::WndProc(message, passOn);
      if (!Detached && IsWindowVisible(Window())) PaintOnWindow();
      return;
    case WM_PAINT:
      if (ForDialog) {
        // The native group box would draw its own frame: the skinned one goes back on top.
        TacMainWnd::WndProc(message, passOn);
        if (!Detached && IsWindowVisible(Window())) PaintOnWindow();
        return;
      }
      if (message.WParam != 0) {
        PaintInto(reinterpret_cast<HDC>(message.WParam));
      } else {
        const PaintScope paint(Window());
        PaintInto(paint.get());
      }
      return;
    default:
      break;
  }
  TacMainWnd::WndProc(message, passOn);
}

}  // namespace sundrel
