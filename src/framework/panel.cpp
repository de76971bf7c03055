#include "framework/panel.h"

#include "base/handles_win32.h"
#include "base/utf.h"

namespace sundrel {

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  Realign();
  Invalidate();
}

void TPanel::AdjustClientRect(RECT& rect) const {
  if (bevelOuter_ != bvNone) InflateRect(&rect, -1, -1);
}

void TPanel::PaintWindow(HDC dc) {
  RECT rect = ClientRect();
  if (bevelOuter_ != bvNone) {
    DrawEdge(dc, &rect, bevelOuter_ == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
  }
  const std::wstring caption = ToWide(Caption());
  if (caption.empty()) return;
  SelectObjectGuard font(dc, Font().Handle());
  SetTextColor(dc, ColorRefOf(Font().Color()));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace sundrel
