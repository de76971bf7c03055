#include "windows/dialog_controls/dialog_paint.h"

#include <algorithm>

#include "base/handles_win32.h"
#include "base/utf.h"
#include "controls/control_skin.h"
#include "controls/s_common_data.h"
#include "controls/section_paint_win32.h"
#include "framework/graphics.h"
#include "paint/dib_pixels_win32.h"
#include "paint/disabled_look.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

void PassOnRedrawGuarded(TacMainWnd& handler, TMessage& message, const TPassOn& passOn) {
  const HWND window = handler.Window();
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  passOn(message);
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  if (handler.Detached) return;
  handler.SkinData()->BGChanged = true;
  SendMessageW(window, WM_PAINT, 0, 0);
}

void ReplaceKeyColor(const TacPixels& pixels, TColor color) {
  if (!pixels.Is24Bit()) return;
  const uint8_t key[3] = {0xFF, 0x00, 0xFF};  // clFuchsia as blue, green, red
  const uint8_t fill[3] = {static_cast<uint8_t>((color >> 16) & 0xFF), static_cast<uint8_t>((color >> 8) & 0xFF),
                           static_cast<uint8_t>(color & 0xFF)};
  for (int y = 0; y < pixels.Height; ++y) {
    uint8_t* p = pixels.Row(y);
    for (int x = 0; x < pixels.Width; ++x, p += 3) {
      if (p[0] == key[0] && p[1] == key[1] && p[2] == key[2]) std::copy(fill, fill + 3, p);
    }
  }
}

bool PaintStateBackground(TacMainWnd& handler, int state, const RECT* part) {
  handler.UpdateGeometry();
  TsCommonData& data = *handler.SkinData();
  if (data.CacheBmp() == nullptr) data.PrepareCache();
  TBitmap& cache = *data.CacheBmp();
  cache.SetPixelFormat(TPixelFormat::pf24bit);
  const SIZE size = handler.Size;
  if (size.cx <= 0 || size.cy <= 0) return false;
  if (cache.Width() != size.cx || cache.Height() != size.cy) cache.SetSize(size.cx, size.cy);
  if (cache.Handle() == nullptr) return false;
  const HWND parentWindow = handler.ParentWindow;
  const TacParentImage parent = parentWindow != nullptr ? AskParentImage(parentWindow) : TacParentImage{};
  const RECT r = part != nullptr ? *part : RECT{0, 0, size.cx, size.cy};
  PaintControlSkin(data, parent, true, true, cache,
                   TPoint{handler.PosInParent.x + r.left, handler.PosInParent.y + r.top},
                   TRect{r.left, r.top, r.right, r.bottom}, state);
  // A dialog that is not skinned itself lends no picture and names no colour: what shows through
  // the section's holes is the system's dialog face, as around the native controls.
  if (!parent.Ready && (parentWindow == nullptr || AskBackFillColor(parentWindow) == clFuchsia)) {
    GdiFlush();
    ReplaceKeyColor(PixelsOfDibSection(cache.Handle()), ColorToRGB(clBtnFace));
  }
  return true;
}

void CopyParentPixels(const TacPixels& pixels, const TacParentImage& parent, POINT placeInParent, const RECT& area) {
  if (!parent.Ready) return;
  const TacPixels& source = parent.Image;
  for (int y = std::max<int>(area.top, 0); y < area.bottom && y < pixels.Height; ++y) {
    const int sy = parent.Y + placeInParent.y + y;
    if (sy < 0 || sy >= source.Height) continue;
    for (int x = std::max<int>(area.left, 0); x < area.right && x < pixels.Width; ++x) {
      const int sx = parent.X + placeInParent.x + x;
      if (sx < 0 || sx >= source.Width) continue;
      const uint8_t* from = source.Row(sy) + static_cast<ptrdiff_t>(sx) * source.BytesPerPixel;
      uint8_t* to = pixels.Row(y) + static_cast<ptrdiff_t>(x) * pixels.BytesPerPixel;
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
}

void CopyParentPicture(TacMainWnd& handler, const TacParentImage& parent, const RECT& area) {
  TBitmap* cache = handler.SkinData()->CacheBmp();
  if (cache == nullptr || cache->Handle() == nullptr) return;
  CopyParentPixels(PixelsOfDibSection(cache->Handle()), parent, handler.PosInParent, area);
}

void PaintDisabledWhenNeeded(TacMainWnd& handler) {
  TBitmap* cache = handler.SkinData()->CacheBmp();
  if (IsWindowEnabled(handler.Window()) || handler.ParentWindow == nullptr || cache == nullptr ||
      cache->Handle() == nullptr) {
    return;
  }
  const TacParentImage parent = AskParentImage(handler.ParentWindow);
  if (!parent.Ready) return;
  GdiFlush();
  PaintDisabledLook(PixelsOfDibSection(cache->Handle()), dkBlended, clBtnFace,
                    TPoint{handler.PosInParent.x, handler.PosInParent.y}, parent);
}

void CopyCacheToDC(const TacMainWnd& handler, HDC dc, int x) {
  TBitmap* cache = handler.SkinData()->CacheBmp();
  if (dc == nullptr || cache == nullptr || cache->Handle() == nullptr) return;
  BitBlt(dc, x, 0, cache->Width() - x, cache->Height(), cache->Canvas().Handle(), x, 0, SRCCOPY);
}

namespace {

void CopyCacheAfter(const TacMainWnd& handler, HDC dc, int x, const std::function<void(HDC)>& beforeCopy) {
  if (!beforeCopy) {
    CopyCacheToDC(handler, dc, x);
    return;
  }
  const int saved = SaveDC(dc);
  beforeCopy(dc);
  CopyCacheToDC(handler, dc, x);
  RestoreDC(dc, saved);
}

}  // namespace

void ShowCache(const TacMainWnd& handler, HDC given, int x, const std::function<void(HDC)>& beforeCopy) {
  if (given != nullptr) {
    CopyCacheAfter(handler, given, x, beforeCopy);
    return;
  }
  // The paint's own context is clipped to what was invalid; a paint asked for directly has none.
  const PaintScope paint(handler.Window());
  const WindowDC dc(handler.Window());
  CopyCacheAfter(handler, dc.get(), x, beforeCopy);
}

std::unique_ptr<TsCommonData> PartSkinData(const TsSkinManager* manager, std::string_view section) {
  auto data = std::make_unique<TsCommonData>(nullptr, false);
  data->SetSkinManager(const_cast<TsSkinManager*>(manager));
  data->SetSkinSection(std::string(section));
  data->UpdateIndexes();
  return data;
}

HFONT WindowFont(HWND window) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void AssignFont(TFont& font, HFONT handle) {
  LOGFONTW log{};
  if (GetObjectW(handle, sizeof(log), &log) == 0) return;
  font.SetName(FromWide(log.lfFaceName));
  font.SetHeight(log.lfHeight);
  TFontStyles style = 0;
  if (log.lfWeight >= FW_BOLD) style |= fsBold;
  if (log.lfItalic) style |= fsItalic;
  if (log.lfUnderline) style |= fsUnderline;
  if (log.lfStrikeOut) style |= fsStrikeOut;
  font.SetStyle(style);
  font.SetCharset(log.lfCharSet);
}

void DrawCaptionInCache(TacMainWnd& handler, HFONT font, std::string_view text, UINT flags, const RECT& r, bool hot) {
  TBitmap* cache = handler.SkinData()->CacheBmp();
  if (cache == nullptr || cache->Handle() == nullptr || text.empty()) return;
  TCanvas canvas;
  canvas.SetHandle(cache->Canvas().Handle());
  AssignFont(canvas.Font(), font);
  DrawSectionText(canvas, text, IsWindowEnabled(handler.Window()) != FALSE, handler.SkinManager(), hot,
                  handler.SkinData()->SkinIndex, flags, r);
}

bool IsHoveredControl(HWND window) {
  const TsSkinManager* manager = DefaultManager();
  return manager != nullptr && manager->ActiveControl() == window;
}

}  // namespace sundrel
