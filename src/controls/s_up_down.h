// A pair of arrows, left and right, painted from the skin: each click moves the position by the
// increment within its range. The page control puts one where the system's arrows for its
// overflowing tabs were.
#pragma once

#include "controls/s_common_data.h"
#include "framework/win_control.h"

namespace sundrel {

class TsUpDown : public TWinControl {
 public:
  explicit TsUpDown(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Position() const { return position_; }
  // Kept inside the range.
  void SetPosition(int position);
  int Increment() const { return increment_; }
  void SetIncrement(int increment) { increment_ = increment; }

  // After a click moved the position.
  TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& message) override;
  void PaintWindow(HDC dc) override;

 private:
  // The left arrow's half (0) or the right one's (1).
  RECT HalfRect(int half) const;
  void PaintArrow(HDC dc, const RECT& r, int half, int state);

  TsCommonData skinData_;
  TRemovalToken skinHook_;
  int min_ = 0;
  int max_ = 0;
  int position_ = 0;
  int increment_ = 1;
  int pressed_ = -1;
};

}  // namespace sundrel
