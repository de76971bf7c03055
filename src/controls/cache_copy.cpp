#include "controls/cache_copy.h"

#include "base/handles_win32.h"
#include "controls/control_skin.h"
#include "controls/skin_utilities.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "paint/keyed_copy.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

namespace {

bool Intersects(const RECT& a, const TRect& b) {
  return a.left < b.Right && b.Left < a.right && a.top < b.Bottom && b.Top < a.bottom;
}

bool IsGroupBoxWithoutEdge(HWND window) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  return lstrcmpiW(className, L"Button") == 0 && (style & 0x0F) == BS_GROUPBOX &&
         (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0;
}

// Leaves the group box's frame out of the clip: its caption strip, sides and bottom.
void ExcludeGroupBoxFrame(HDC dc, HWND box, const RECT& r, const TsSkinManager* manager) {
  const int caption = static_cast<int>(SendSkinCommand(box, SMC_GET_CAPTION_HEIGHT));
  int left = 0, right = 0, bottom = 0;
  if (manager != nullptr) {
    const int mask = manager->GetMaskIndex(manager->GetSkinIndex("GROUPBOX"), "GROUPBOX", "BORDERSMASK");
    if (manager->IsValidMaskIndex(mask)) {
      left = manager->MaskWidthLeft(mask);
      right = manager->MaskWidthRight(mask);
      bottom = manager->MaskWidthBottom(mask);
    }
  }
  ExcludeClipRect(dc, r.left, r.top, r.right, r.top + caption);
  ExcludeClipRect(dc, r.left, r.top, r.left + left, r.bottom);
  ExcludeClipRect(dc, r.right - right, r.top, r.right, r.bottom);
  ExcludeClipRect(dc, r.left, r.bottom - bottom, r.right, r.bottom);
}

void CopyBlock(HDC dc, const TRect& destination, TBitmap& cache, const TRect& source) {
  BitBlt(dc, destination.Left, destination.Top, destination.Width(), destination.Height(), cache.Canvas().Handle(),
         source.Left, source.Top, SRCCOPY);
}

}  // namespace

void CopyCacheToDC(TControl* owner, TsCommonData& data, const TCacheCopy& copy, HDC dc, const TRect& destination) {
  TBitmap* cache = data.CacheBmp();
  if (cache == nullptr || cache->Handle() == nullptr) return;
  if (copy.Repair) RepairCorners(data, 0);
  SavedDC saved(dc);
  IntersectClipRect(dc, destination.Left, destination.Top, destination.Right, destination.Bottom);
  if (auto* container = dynamic_cast<TWinControl*>(owner)) {
    for (int i = 0; i < container->ControlCount(); ++i) {
      TControl* child = container->Controls(i);
      const bool graphic = dynamic_cast<TWinControl*>(child) == nullptr;
      if (!child->Visible() || (graphic && copy.GraphicChildrenInCache)) continue;
      if (!graphic && (child->ControlStyle() & csOpaque) == 0) continue;
      RECT bounds = child->BoundsRect();
      OffsetRect(&bounds, copy.OffsetX, copy.OffsetY);
      if (Intersects(bounds, destination)) ExcludeClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    }
  }
  CopyBlock(dc, destination, *cache, copy.Source);
}

void CopyCacheToWindowDC(HWND window, TBitmap& cache, const TRect& source, HDC dc, const TRect& destination,
                         const TsSkinManager* manager) {
  if (cache.Handle() == nullptr) return;
  SavedDC saved(dc);
  IntersectClipRect(dc, destination.Left, destination.Top, destination.Right, destination.Bottom);
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    if (IsGroupBoxWithoutEdge(child)) {
      ExcludeGroupBoxFrame(dc, child, r, manager);
    } else {
      ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
  }
  CopyBlock(dc, destination, cache, source);
}

void PaintGraphicChildren(HDC dc, TWinControl* container, POINT offset) {
  RECT clip{};
  if (GetClipBox(dc, &clip) == NULLREGION) {
    SendSkinCommandToControl(container, SMC_SET_HALF_VISIBLE);
    return;
  }
  TacParentImage picture;
  {
    SlotScope question(Shared().ParentImage, TacParentImage());
    SendSkinCommandToControl(container, SMC_GET_CACHE);
    picture = Shared().ParentImage;
  }
  if (!picture.Ready || container->Width() <= 0 || container->Height() <= 0) return;
  TBitmap offScreen(container->Width(), container->Height());
  HDC off = offScreen.Canvas().Handle();
  const TacPixels offPixels = PixelsOfDibSection(offScreen.Handle());
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    if (dynamic_cast<TWinControl*>(child) != nullptr || !child->Visible()) continue;
    GdiFlush();  // the previous child's drawing lands before the pixels are written directly
    const RECT bounds = child->BoundsRect();
    RECT onContext = bounds;
    OffsetRect(&onContext, offset.x, offset.y);
    if (!RectVisible(dc, &onContext)) SendSkinCommandToControl(child, SMC_SET_HALF_VISIBLE);
    if ((child->ControlStyle() & csOpaque) != 0) {
      FillRectSolid(off, TRect{bounds.left, bounds.top, bounds.right, bounds.bottom}, child->Color());
    } else {
      CopyRectKeyed(offPixels, picture.Image, bounds.left, bounds.top, clNoKey,
                    TRect{picture.X + bounds.left, picture.Y + bounds.top, picture.X + bounds.right - 1,
                          picture.Y + bounds.bottom - 1});
    }
    {
      SavedDC saved(off);
      OffsetViewportOrgEx(off, bounds.left, bounds.top, nullptr);
      IntersectClipRect(off, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
      child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(off), 0);
    }
    GdiFlush();
    if (GetPixel(off, bounds.left, bounds.top) == static_cast<COLORREF>(clFuchsia)) continue;
    BitBlt(dc, onContext.left, onContext.top, bounds.right - bounds.left, bounds.bottom - bounds.top, off, bounds.left,
           bounds.top, SRCCOPY);
  }
}

}  // namespace sundrel
