// A timer that calls OnTimer every Interval milliseconds while Enabled, on the thread's
// message loop (modal loops included).
#pragma once

#include "base/handles_win32.h"
#include "framework/component.h"
#include "framework/control.h"
#include "framework/utility_window.h"

namespace sundrel {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned milliseconds);

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  UtilityWindow window_;
  UniqueTimer timer_;
};

}  // namespace sundrel
