// A container with a raised (or lowered, or no) bevel and an optional centred caption.
#pragma once

#include "framework/win_control.h"

namespace sundrel {

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);

  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut bevel);

 protected:
  void PaintWindow(HDC dc) override;
  void AdjustClientRect(RECT& rect) const override;

 private:
  TBevelCut bevelOuter_ = bvRaised;
};

}  // namespace sundrel
