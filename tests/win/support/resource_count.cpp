#include "resource_count.h"

#include <windows.h>

#include <vector>

namespace sundrel::testing {

namespace {

// More than any process's object table holds, so that a headroom is always below it.
constexpr int kObjectTableBound = 1 << 16;

int GdiHeadroom() {
  std::vector<HBRUSH> brushes;
  brushes.reserve(kObjectTableBound);
  while (static_cast<int>(brushes.size()) < kObjectTableBound) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    if (brush == nullptr) break;
    brushes.push_back(brush);
  }
  for (HBRUSH brush : brushes) DeleteObject(brush);
  return static_cast<int>(brushes.size());
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

}  // namespace

int GdiObjectsInUse() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0) return static_cast<int>(counted);
  return kObjectTableBound - GdiHeadroom();
}

int ThreadWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
  return count;
}

TResourceCount CountResources() {
  return {GdiObjectsInUse(), ThreadWindowCount()};
}

void PrintTo(const TResourceCount& count, std::ostream* out) {
  *out << count.gdiObjects << " GDI objects, " << count.windows << " windows";
}

}  // namespace sundrel::testing
