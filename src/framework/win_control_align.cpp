// Alignment of child controls: aligned ones share the client area side by side, anchored ones
// keep their distances to the anchored edges.
#include <algorithm>
#include <vector>

#include "framework/win_control.h"

namespace sundrel {

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignNeeded_) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || aligning_ || IsLoading()) {
    alignNeeded_ = true;
    return;
  }
  alignNeeded_ = false;
  RECT rect = ClientRect();
  AdjustClientRect(rect);
  aligning_ = true;
  try {
    AlignControls(rect);
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

void TWinControl::AdjustClientRect(RECT&) const {}

void TWinControl::AlignControls(RECT& rect) {
  const RECT client = ClientRect();
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> aligned;
    for (TControl* control : controls_) {
      if (control->Align() == align && control->Visible()) aligned.push_back(control);
    }
    // Within one side, controls keep the order of their present positions.
    std::stable_sort(aligned.begin(), aligned.end(), [align](const TControl* a, const TControl* b) {
      switch (align) {
        case alTop:
          return a->Top() < b->Top();
        case alBottom:
          return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft:
          return a->Left() < b->Left();
        case alRight:
          return a->Left() + a->Width() > b->Left() + b->Width();
        default:
          return false;
      }
    });
    for (TControl* control : aligned) {
      const int width = rect.right - rect.left;
      const int height = rect.bottom - rect.top;
      switch (align) {
        case alTop:
          control->SetBoundsFromParent(rect.left, rect.top, width, control->Height());
          rect.top += control->Height();
          break;
        case alBottom:
          control->SetBoundsFromParent(rect.left, rect.bottom - control->Height(), width, control->Height());
          rect.bottom -= control->Height();
          break;
        case alLeft:
          control->SetBoundsFromParent(rect.left, rect.top, control->Width(), height);
          rect.left += control->Width();
          break;
        case alRight:
          control->SetBoundsFromParent(rect.right - control->Width(), rect.top, control->Width(), height);
          rect.right -= control->Width();
          break;
        default:
          control->SetBoundsFromParent(rect.left, rect.top, width, height);
          break;
      }
    }
  }
  for (TControl* control : controls_) {
    if (control->Align() == alNone && control->Anchors() != (akLeft | akTop)) {
      PlaceAnchored(control, client.right - client.left, client.bottom - client.top);
    }
  }
}

void TWinControl::PlaceAnchored(TControl* control, int parentWidth, int parentHeight) {
  const auto& rules = control->anchorRules_;
  if (!rules.valid) {
    control->UpdateAnchorRules();
    return;
  }
  const TAnchors anchors = control->Anchors();
  const RECT& was = rules.bounds;
  int left = was.left, top = was.top;
  int width = was.right - was.left, height = was.bottom - was.top;
  const int growX = parentWidth - rules.parentWidth;
  const int growY = parentHeight - rules.parentHeight;
  if ((anchors & akRight) != 0) {
    if ((anchors & akLeft) != 0)
      width += growX;
    else
      left += growX;
  } else if ((anchors & akLeft) == 0) {
    left += growX / 2;
  }
  if ((anchors & akBottom) != 0) {
    if ((anchors & akTop) != 0)
      height += growY;
    else
      top += growY;
  } else if ((anchors & akTop) == 0) {
    top += growY / 2;
  }
  control->SetBoundsFromParent(left, top, width, height);
}

}  // namespace sundrel
