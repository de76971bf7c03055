// The system's progress bar: a position between Min and Max, shown as a filled part of the bar.
// The values live in the control, so they can be set before its window exists and survive the
// window being made again.
#pragma once

#include "framework/win_control.h"

namespace sundrel {

class TProgressBar : public TWinControl {
 public:
  explicit TProgressBar(TComponent* owner);

  int Min() const { return min_; }
  int Max() const { return max_; }
  // Narrows the position into the new range.
  void SetRange(int min, int max);
  int Position() const { return position_; }
  // Kept between Min and Max.
  void SetPosition(int position);

 protected:
  // The position (or the range, which may move it) has changed; the window is told next.
  virtual void PositionChanged() {}
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace sundrel
