// How many times a leak test repeats the action it checks.
#pragma once

namespace sundrel::testing {

// Every leak test compares the process's GDI objects and the thread's windows before and after
// its cycles for exact equality, so a cycle that loses a single object fails it at any count of
// one or more. The default is kept a little above that so that actions that alternate between
// two or three variants (keyboard and mouse, the button's states) go through each several times,
// and a leak that shows only every few cycles still shows. SUNDREL_LEAK_CYCLES overrides it:
// scripts/soak-leaks runs a thousand and more for a release.
constexpr int kDefaultLeakCycles = 12;

// SUNDREL_LEAK_CYCLES when set (a program given anything but a count stops), else
// kDefaultLeakCycles.
int LeakCycles();

}  // namespace sundrel::testing
