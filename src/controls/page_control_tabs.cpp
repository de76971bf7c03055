// The tabs of the skinned page control: each one composed from its section in its state, with
// its caption, and the hot tab under the mouse.
// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "base/utf.h"
#include "controls/page_geometry.h"
#include "controls/s_page_control.h"
#include "controls/section_paint_win32.h"
#include "controls/skin_utilities.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "paint/keyed_copy.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/section/section_paint.h"

namespace sundrel {

namespace {

TRect Intersection(const TRect& a, const TRect& b) {
  return TRect{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
               std::min(a.Bottom, b.Bottom)};
}

TRect Moved(TRect r, int dx, int dy) {
  return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

TRect InclusiveOf(const TRect& r) {
  return TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
}

// Tabs on the top or the left end where the frame begins; only the active tab covers it.
TRect VisibleTabPart(const TRect& tab, const TRect& frame, TTabPosition position) {
  TRect r = tab;
  if (position == tpTop) r.Bottom = std::min(r.Bottom, frame.Top);
  if (position == tpLeft) r.Right = std::min(r.Right, frame.Left);
  return r;
}

// Tabs on the left read from the top down, those on the right from the bottom up: the caption in
// the control's font turned by 270 or 90 degrees, centred in r, framed when it has the focus.
void DrawTurnedCaption(HDC dc, const TFont& font, const std::string& caption, const RECT& r, bool left, TColor colour,
                       bool focusFrame) {
  const std::wstring text = ToWide(caption);
  LOGFONTW turned{};
  GetObjectW(font.Handle(), sizeof(turned), &turned);
  turned.lfEscapement = turned.lfOrientation = left ? 2700 : 900;
  // Made before the context's state is saved, so that it is deleted only once the state is back
  // and it is no longer selected: a selected font cannot be deleted.
  const UniqueFont turnedFont(CreateFontIndirectW(&turned));
  SavedDC saved(dc);
  SelectObject(dc, font.Handle());
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, turnedFont.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorRefOf(colour));
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  // The text starts at its top-right corner going down, or at its bottom-left corner going up.
  const POINT origin = left ? POINT{cx + size.cy / 2, cy - size.cx / 2} : POINT{cx - size.cy / 2, cy + size.cx / 2};
  TextOutW(dc, origin.x, origin.y, text.c_str(), static_cast<int>(text.size()));
  if (focusFrame) {
    DottedFocusFrame(dc, TRect{cx - size.cy / 2 - 1, cy - size.cx / 2 - 2, cx + size.cy / 2 + 1, cy + size.cx / 2 + 2});
  }
}

}  // namespace

int TsPageControl::TabSectionIndex(int index) const {
  const TsTabSheet* sheet = SheetOfTab(index);
  const TsSkinManager* manager = skinData_.GetSkinManager();
  if (manager == nullptr) return -1;
  return manager->GetSkinIndex(TabSection(sheet != nullptr ? sheet->TabSkin() : "", TabPosition()));
}

void TsPageControl::ComposeTab(int index, int state, TBitmap& picture) {
  const bool active = state == 2;
  const TRect tab = TabRect(index, active);
  picture.SetSize(tab.Width(), tab.Height());
  if (picture.Handle() == nullptr) return;
  TsSkinManager& manager = *skinData_.GetSkinManager();
  const TacPixels cache = PixelsOfDibSection(skinData_.CacheBmp()->Handle());
  const TacPixels pixels = PixelsOfDibSection(picture.Handle());
  TBitmap under;
  TacParentImage parent{cache, 0, 0, true};
  TPoint offset{tab.Left, tab.Top};
  if (active) {
    // The active tab stands over its neighbours: behind it lie the frame's edge and, in the tab
    // strip, only what lies behind the control.
    under.SetSize(tab.Width(), tab.Height());
    const TacPixels underPixels = PixelsOfDibSection(under.Handle());
    CopyRectKeyed(underPixels, cache, 0, 0, clNoKey, InclusiveOf(tab));
    const TRect strip = Moved(Intersection(tab, TabStripRect()), -tab.Left, -tab.Top);
    const TacParentImage behind = skinData_.GetParentImage();
    if (!strip.IsEmpty()) {
      if (Shared().BackFillColor == clFuchsia && behind.Ready) {
        CopyRectKeyed(underPixels, behind.Image, strip.Left, strip.Top, clNoKey,
                      InclusiveOf(Moved(strip, behind.X + Left() + tab.Left, behind.Y + Top() + tab.Top)));
      } else {
        const TColor fill = Shared().BackFillColor != clFuchsia ? Shared().BackFillColor : GetParentColor(Parent());
        FillRectSolid(under.Canvas().Handle(), strip, fill);
        GdiFlush();
      }
    }
    CopyRectKeyed(pixels, underPixels, 0, 0, clNoKey, TRect{0, 0, tab.Width() - 1, tab.Height() - 1});
    parent = TacParentImage{underPixels, 0, 0, true};
    offset = TPoint{};
  }
  const int skinIndex = TabSectionIndex(index);
  const std::string section =
      TabSection(SheetOfTab(index) != nullptr ? SheetOfTab(index)->TabSkin() : "", TabPosition());
  PaintSection(manager.Skin(), {skinIndex, section}, {pixels, {0, 0, tab.Width(), tab.Height()}, offset, state, parent},
               true);
  DrawTabCaption(index, state, picture);
}

void TsPageControl::DrawTabCaption(int index, int state, TBitmap& picture) {
  TCanvas& canvas = picture.Canvas();
  canvas.Font().Assign(Font());
  const std::string caption = Pages(index)->Caption();
  // Centred in what shows of the tab: the frame covers the lower end of a tab that is not active.
  const TRect tab = TabRect(index, state == 2);
  const TRect shown = state == 2 ? tab : VisibleTabPart(tab, ClientFrameRect(), TabPosition());
  RECT text{shown.Left - tab.Left + 3, shown.Top - tab.Top + 3, shown.Right - tab.Left - 3, shown.Bottom - tab.Top - 3};
  if (TabPosition() == tpLeft || TabPosition() == tpRight) {
    DrawTurnedCaption(canvas.Handle(), Font(), caption, text, TabPosition() == tpLeft,
                      Enabled() ? Font().Color() : TColor{0x808080}, Focused() && state != 0);
    return;
  }
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  DrawSectionText(canvas, caption, Enabled(), skinData_.GetSkinManager(), state != 0, TabSectionIndex(index), flags,
                  text);
  if (state != 2 || !Focused()) return;
  RECT measured{0, 0, 0, 0};
  canvas.DrawText(caption, measured, flags | DT_CALCRECT);
  const int left = (text.left + text.right - measured.right) / 2;
  const int top = (text.top + text.bottom - measured.bottom) / 2;
  DottedFocusFrame(canvas.Handle(), TRect{left - 2, top - 1, left + measured.right + 2, top + measured.bottom + 1});
}

void TsPageControl::PaintTab(int index, int state) {
  TBitmap picture;
  ComposeTab(index, state, picture);
  if (picture.Handle() == nullptr) return;
  const TRect tab = TabRect(index, false);
  TRect part = VisibleTabPart(tab, ClientFrameRect(), TabPosition());
  // The arrows show the parent's picture behind them, not the tabs that they cover.
  if (arrows_) part.Right = std::min(part.Right, arrows_->Left());
  if (part.IsEmpty()) return;
  GdiFlush();
  CopyRectKeyed(PixelsOfDibSection(skinData_.CacheBmp()->Handle()), PixelsOfDibSection(picture.Handle()), part.Left,
                part.Top, clNoKey, InclusiveOf(Moved(part, -tab.Left, -tab.Top)));
}

void TsPageControl::PaintTabToDC(int index, int state, HDC dc) {
  TBitmap picture;
  ComposeTab(index, state, picture);
  if (picture.Handle() == nullptr) return;
  const TRect tab = TabRect(index, state == 2);
  const TRect part = state == 2 ? tab : VisibleTabPart(tab, ClientFrameRect(), TabPosition());
  if (part.IsEmpty()) return;
  BitBlt(dc, part.Left, part.Top, part.Width(), part.Height(), picture.Canvas().Handle(), part.Left - tab.Left,
         part.Top - tab.Top, SRCCOPY);
}

void TsPageControl::TrackHotTab(POINT point) {
  const TRect strip = TabStripRect();
  const bool inStrip = point.x >= strip.Left && point.x < strip.Right && point.y >= strip.Top && point.y < strip.Bottom;
  SetHotTab(inStrip ? IndexOfTabAt(point) : -1);
}

void TsPageControl::SetHotTab(int index) {
  if (index == hotTab_) return;
  const int previous = std::exchange(hotTab_, index);
  if (!PaintsItself() || !HandleAllocated()) return;
  EnsureCache();
  const int active = ActivePageIndex();
  WindowDC dc(Handle());
  if (active >= 0) {
    const TRect activeRect = TabRect(active, true);
    ExcludeClipRect(dc.get(), activeRect.Left, activeRect.Top, activeRect.Right, activeRect.Bottom);
  }
  if (previous >= 0 && previous != active) PaintTabToDC(previous, 0, dc.get());
  if (index >= 0 && index != active) PaintTabToDC(index, 1, dc.get());
}

}  // namespace sundrel
