#include "controls/s_up_down.h"

#include <algorithm>

#include "controls/section_paint_win32.h"
#include "paint/dc_paint_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

TsUpDown::TsUpDown(TComponent* owner) : TWinControl(owner), skinData_(this, false) {
  skinHook_ = skinData_.PlugInto(MessageHooks());
}

void TsUpDown::SetRange(int min, int max) {
  max = std::max(min, max);
  if (min == min_ && max == max_) return;
  min_ = min;
  max_ = max;
  position_ = std::clamp(position_, min_, max_);
  Invalidate();
}

void TsUpDown::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
}

RECT TsUpDown::HalfRect(int half) const {
  const int middle = Width() / 2;
  return half == 0 ? RECT{0, 0, middle, Height()} : RECT{middle, 0, Width(), Height()};
}

void TsUpDown::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      if (!skinData_.IsSkinned(true)) break;
      message.Result = 1;  // both halves cover it all
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      pressed_ = static_cast<short>(LOWORD(message.LParam)) < Width() / 2 ? 0 : 1;
      Invalidate();
      const int previous = position_;
      SetPosition(position_ + (pressed_ == 0 ? -increment_ : increment_));
      if (position_ != previous && OnChange) OnChange(this);
      break;
    }
    case WM_LBUTTONUP:
      pressed_ = -1;
      Invalidate();
      break;
  }
  TWinControl::WndProc(message);
}

void TsUpDown::PaintWindow(HDC dc) {
  for (int half = 0; half < 2; ++half) {
    const int state = half == pressed_ ? 2 : 0;
    PaintArrow(dc, HalfRect(half), half, state);
  }
}

void TsUpDown::PaintArrow(HDC dc, const RECT& r, int half, int state) {
  const TsSkinManager* manager = skinData_.GetSkinManager();
  TColor arrow = clWindowText;
  if (const TsGeneralData* section = skinData_.Section()) {
    PaintSectionToDC(manager, skinData_.SkinIndex, skinData_.SkinSection(), skinData_.GetParentImage(), dc,
                     TPoint{Left() + r.left, Top() + r.top}, TRect{r.left, r.top, r.right, r.bottom}, state, true);
    arrow = state == 0 ? section->FontColor[0] : section->HotFontColor[0];
  } else {
    FillRectSolid(dc, TRect{r.left, r.top, r.right, r.bottom}, Color());
    DrawEdge(dc, const_cast<RECT*>(&r), state == 2 ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  // A small triangle pointing away from the middle.
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  const int toward = half == 0 ? -1 : 1;
  POINT points[] = {{cx + 2 * toward, cy}, {cx - 2 * toward, cy - 4}, {cx - 2 * toward, cy + 4}};
  UniqueBrush brush(CreateSolidBrush(ColorRefOf(arrow)));
  SavedDC saved(dc);
  SelectObject(dc, brush.get());
  SelectObject(dc, GetStockObject(NULL_PEN));
  Polygon(dc, points, 3);
}

}  // namespace sundrel
