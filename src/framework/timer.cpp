#include "framework/timer.h"

#include "base/errors.h"

namespace sundrel {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), window_([this](TMessage& message) {
        if (message.Msg != WM_TIMER) return false;
        Timer();
        return true;
      }) {
  UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  timer_.Stop();
  if (!enabled_ || interval_ == 0) return;
  if (!timer_.Start(window_.Handle(), kTimerId, interval_)) throw Exception("Not enough timers available");
}

void TTimer::Timer() {
  if (OnTimer && !IsDestroying()) OnTimer(this);
}

}  // namespace sundrel
