// The list box's pictures: owner-drawn items, the skinned client background and the colours.
#include "base/handles_win32.h"
#include "controls/cache_copy.h"
#include "controls/control_skin.h"
#include "controls/skin_utilities.h"
#include "paint/dib_pixels_win32.h"
#include "windows/handlers/scroll_handler.h"
#include "windows/list_box/s_list_box.h"

namespace sundrel {

void TsBaseListBox::DrawItem(TMessage& message) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  message.Result = TRUE;
  skinData_.Updating = skinData_.MustRebuild();
  if ((skinData_.Updating && skinData_.IsSkinned()) || Count() == 0) return;
  canvas_.SetHandle(item.hDC);
  canvas_.Font().Assign(Font());
  canvas_.Brush().SetColor(Color());
  const int index = static_cast<int>(item.itemID);
  const bool byEvent = OnDrawItem && style_ != lbVirtual;
  RECT rect = item.rcItem;
  try {
    if (index >= 0 && index < Count() && !byEvent) ChooseItemColors(index, item.itemState);
    canvas_.FillRect(rect);
    if (byEvent) {
      OnDrawItem(this, index, rect, item.itemState);
    } else if (index >= 0 && index < Count()) {
      const bool rightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
      UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
      if (rightToLeft) {
        rect.right -= 2;
        flags |= DT_RIGHT | DT_RTLREADING;
      } else {
        rect.left += 2;
      }
      canvas_.DrawText(items_.Get(index), rect, flags);
    }
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

void TsBaseListBox::ChooseItemColors(int index, UINT state) {
  const bool focused = HandleAllocated() && GetFocus() == Handle();
  if ((state & ODS_SELECTED) != 0 || (index == ItemIndex() && !focused)) {
    canvas_.Brush().SetColor(clHighlight);
    canvas_.Font().SetColor(clHighlightText);
  } else if (!skinData_.CustomFont()) {
    canvas_.Font().SetColor(Enabled() ? Font().Color()
                                      : AverageColors(ColorToRGB(Font().Color()), ColorToRGB(Color())));
  }
}

void TsBaseListBox::MeasureItem(TMessage& message) {
  auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
  int height = itemHeight_;
  if (style_ == lbOwnerDrawVariable && OnMeasureItem) OnMeasureItem(this, static_cast<int>(item.itemID), height);
  item.itemHeight = static_cast<UINT>(height);
  message.Result = TRUE;
}

void TsBaseListBox::RedrawItem(int index) {
  if (index < 0 || !HandleAllocated()) return;
  RECT rect{};
  if (SendMessageW(Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect)) == LB_ERR) return;
  ::InvalidateRect(Handle(), &rect, TRUE);
  UpdateWindow(Handle());
}

void TsBaseListBox::BuildCache() {
  skinData_.PrepareCache();
  TBitmap& cache = *skinData_.CacheBmp();
  const TacParentImage parent = skinData_.GetParentImage();
  PaintControlSkin(skinData_, parent, false, true, cache, TPoint{Left(), Top()}, TRect{0, 0, Width(), Height()},
                   skinData_.CurrentState());
  if (!Enabled()) {
    GdiFlush();
    PaintDisabledLook(PixelsOfDibSection(cache.Handle()), disabledKind_, Color(), TPoint{Left(), Top()}, parent);
  }
  skinData_.BGChanged = false;
}

bool TsBaseListBox::EraseBackground(HDC dc) {
  // The picture's frame is the handler's: without it the frame widths are not known yet.
  if (IsLoading() || IsDestroying() || scrollHandler_ == nullptr) return false;
  skinData_.Updating = skinData_.MustRebuild();
  if (skinData_.Updating) return false;
  if (skinData_.BGChanged) BuildCache();
  const int border = scrollHandler_->Edges.Left;
  TCacheCopy copy;
  copy.Source = TRect{border, border, Width() - border, Height() - border};
  CopyCacheToDC(this, skinData_, copy, dc, TRect{0, 0, ClientWidth(), ClientHeight()});
  return true;
}

void TsBaseListBox::ApplySkinColors() {
  if (skinData_.IsSkinned()) skinData_.ApplySectionColors();
}

void TsBaseListBox::RepaintAll() {
  if (!CanRepaint(this)) return;
  Invalidate();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TsBaseListBox::EnsureScrollHandler() {
  sundrel::EnsureScrollHandler(skinData_, scrollHandler_);
}

}  // namespace sundrel
