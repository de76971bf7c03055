// What a repeated action leaves behind: the process's GDI objects and the thread's windows.
// Tests take a count, repeat the action many times and compare.
#pragma once

#include <ostream>

namespace sundrel::testing {

struct TResourceCount {
  int gdiObjects = 0;
  int windows = 0;
  bool operator==(const TResourceCount&) const = default;
};

// GDI objects in use by the process: the system's count where it gives one (Windows), else
// found by headroom (Wine answers 0): solid brushes are made until the system refuses one, then
// freed; the fewer it took, the more objects were in use. Differences between two counts are
// exact either way.
int GdiObjectsInUse();

// The thread's windows, hidden ones and child windows included.
int ThreadWindowCount();

TResourceCount CountResources();

void PrintTo(const TResourceCount& count, std::ostream* out);

}  // namespace sundrel::testing
