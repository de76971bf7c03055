#include "framework/progress_bar.h"

#include <commctrl.h>

#include <algorithm>

namespace sundrel {

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 17);
}

void TProgressBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
  PositionChanged();
  if (HandleAllocated()) {
    SendMessageW(Handle(), PBM_SETRANGE32, min_, max_);
    SendMessageW(Handle(), PBM_SETPOS, position_, 0);
  }
}

void TProgressBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  PositionChanged();
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETPOS, position_, 0);
}

void TProgressBar::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.BaseClassName = PROGRESS_CLASSW;
}

void TProgressBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), PBM_SETRANGE32, min_, max_);
  SendMessageW(Handle(), PBM_SETPOS, position_, 0);
}

}  // namespace sundrel
