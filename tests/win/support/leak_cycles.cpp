#include "leak_cycles.h"

#include <cstdio>
#include <cstdlib>

namespace sundrel::testing {

int LeakCycles() {
  static const int cycles = [] {
    const char* setting = std::getenv("SUNDREL_LEAK_CYCLES");
    if (setting == nullptr || *setting == '\0') return kDefaultLeakCycles;
    char* end = nullptr;
    const long value = std::strtol(setting, &end, 10);
    // A mistyped setting must not quietly run a soak at the everyday count.
    if (end == setting || *end != '\0' || value < 1 || value > 1000000) {
      std::fprintf(stderr, "SUNDREL_LEAK_CYCLES=%s is not a count from 1 to 1000000\n", setting);
      std::exit(2);
    }
    return static_cast<int>(value);
  }();
  return cycles;
}

}  // namespace sundrel::testing
