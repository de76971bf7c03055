// Timers tick on the message loop, also inside modal loops, and stop when disabled or freed.
#include "framework/timer.h"

#include <gtest/gtest.h>

#include "framework/message_form.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

using sundrel::testing::FindThreadWindow;
using sundrel::testing::PumpUntil;

class Timers : public sundrel::testing::FrameworkTest {
 protected:
  // A second timer to count time by, instead of sleeping.
  TTimer* Clock(int& ticks) {
    auto* clock = new TTimer(application.get());
    clock->SetInterval(10);
    clock->OnTimer = [&ticks](TObject*) { ++ticks; };
    return clock;
  }
};

TEST_F(Timers, TicksRepeatedlyWhileEnabled) {
  int ticks = 0;
  auto* timer = new TTimer(application.get());
  timer->SetInterval(15);
  timer->OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, timer);
    ++ticks;
  };
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
}

TEST_F(Timers, ADisabledOrFreedTimerStopsTicking) {
  int disabledTicks = 0, freedTicks = 0, clockTicks = 0;
  auto* disabled = new TTimer(application.get());
  disabled->SetInterval(10);
  disabled->OnTimer = [&](TObject*) { ++disabledTicks; };
  auto* freed = new TTimer(application.get());
  freed->SetInterval(10);
  freed->OnTimer = [&](TObject*) { ++freedTicks; };
  ASSERT_TRUE(PumpUntil([&] { return disabledTicks > 0 && freedTicks > 0; }));
  disabled->SetEnabled(false);
  freed->Free();
  const int disabledSoFar = disabledTicks, freedSoFar = freedTicks;
  Clock(clockTicks);
  ASSERT_TRUE(PumpUntil([&] { return clockTicks >= 10; }));
  EXPECT_EQ(disabledTicks, disabledSoFar);
  EXPECT_EQ(freedTicks, freedSoFar);
}

TEST_F(Timers, TicksWhileAModalMessageIsOpen) {
  int ticksWhileOpen = 0;
  auto* timer = new TTimer(application.get());
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject*) {
    // Only the message's own loop runs while it is open.
    if (HWND form = FindThreadWindow(L"TMessageForm"); form != nullptr && ++ticksWhileOpen == 3) {
      PostMessageW(form, WM_CLOSE, 0, 0);
    }
  };
  ShowMessage("waiting");
  EXPECT_GE(ticksWhileOpen, 3);
}

}  // namespace
}  // namespace sundrel
