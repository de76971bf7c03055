// Many skinned open and save dialogs opened and cancelled leave the process's GDI objects
// and the thread's windows as they were, and no dialog provider behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "base/handles_win32.h"
#include "dialog_frame_fixture.h"
#include "leak_cycles.h"
#include "resource_count.h"
#include "windows/auto/ac_provider.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using DialogFrameLeaks = DialogFrameTest;

bool NoDialogProviders() {
  const auto& entries = ProviderList();
  return std::none_of(entries.begin(), entries.end(),
                      [](const TacProviderEntry* entry) { return entry->ServesDialog(); });
}

TEST_F(DialogFrameLeaks, OpenAndSaveDialogsLeaveNothingBehind) {
  for (const bool save : {false, true}) {
    SCOPED_TRACE(save ? "save dialog" : "open dialog");
    const auto cycle = [&] {
      TOwned<TOpenDialog> dialog(save ? new TSaveDialog(owner) : new TOpenDialog(owner));
      RunSkinned(*dialog, [](HWND window) {
        // Every control paints at least once, so that a paint that keeps what it takes shows.
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PostMessageW(GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0);
      });
    };
    cycle();  // what the first dialog makes for the program's life (the shell's caches, the title cover)
    cycle();
    const TResourceCount before = CountResources();
    for (int i = 0; i < LeakCycles(); ++i) cycle();
    EXPECT_EQ(CountResources(), before);
    UniqueWindow(
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    EXPECT_TRUE(NoDialogProviders()) << "each dialog's provider goes with the next window's destruction";
  }
}

}  // namespace
}  // namespace sundrel
