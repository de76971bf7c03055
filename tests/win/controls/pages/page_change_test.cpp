// A page change is shown as a cross-fade when the skin manager animates page changes: redrawing
// is off from the moment the page is about to change and on again whatever happens next (the
// change, a veto, or no change at all), and no output window stays. Switching pages many times
// leaves no GDI objects or windows behind.
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>

#include "leak_cycles.h"
#include "message_recorder.h"
#include "page_fixture.h"
#include "resource_count.h"

namespace sundrel {
namespace {

using namespace sundrel::testing::message_flags;
using sundrel::testing::CountResources;
using sundrel::testing::LeakCycles;
using sundrel::testing::PageControlTest;
using sundrel::testing::TMessageRecorder;
using sundrel::testing::TMessageSequence;
using sundrel::testing::TResourceCount;

class PageChangeTest : public PageControlTest {
 protected:
  void SetUp() override {
    PageControlTest::SetUp();
    hook.reset(SetWindowsHookExW(WH_CBT, Watch, nullptr, GetCurrentThreadId()));
    outputWindows = 0;
  }
  void TearDown() override {
    hook.reset();
    PageControlTest::TearDown();
  }

  static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
      if (create->lpszName != nullptr && std::wstring(create->lpszName) == L"acOutputWindow") ++outputWindows;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static BOOL CALLBACK FindOutput(HWND window, LPARAM found) {
    if (FindWindowExW(window, nullptr, nullptr, L"acOutputWindow") != nullptr) *reinterpret_cast<bool*>(found) = true;
    return TRUE;
  }
  static bool OutputWindowLeft() {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), FindOutput, reinterpret_cast<LPARAM>(&found));
    return found;
  }

  // The page is about to change, and then nothing more is said about it.
  void ChangingAlone() const {
    NMHDR header{pages->Handle(), 0, static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  }

  inline static int outputWindows = 0;
  UniqueHook hook;
};

TEST_F(PageChangeTest, RedrawingComesBackOnWhateverFollowsAPageAboutToChange) {
  struct Case {
    const char* what;
    bool veto;
    bool notifyAlone;
    TTabSheet* activeAfter;
  };
  const Case cases[] = {
      {"the page changes", false, false, two},
      {"the change is vetoed", true, false, one},
      {"no change follows", false, true, one},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    pages->SetActivePage(one);
    pages->OnChanging = [&](TObject*, bool& allowChange) { allowChange = !c.veto; };
    outputWindows = 0;
    TMessageRecorder recorder(sundrel::testing::Messages({WM_SETREDRAW}));
    recorder.Watch(*pages, "pages");
    if (c.notifyAlone) {
      ChangingAlone();
    } else {
      ClickTab(1);
    }
    EXPECT_EQ(pages->ActivePage(), c.activeAfter);
    EXPECT_EQ(outputWindows, 1) << "the old page was captured under an output window";
    EXPECT_TRUE(SequenceMatches(recorder.Only(WM_SETREDRAW), TMessageSequence{
                                                                 {"pages", WM_SETREDRAW, sent | wparam, FALSE},
                                                                 {"pages", WM_SETREDRAW, sent | wparam, TRUE},
                                                             }));
    EXPECT_FALSE(OutputWindowLeft());
  }
}

TEST_F(PageChangeTest, NothingIsAnimatedWhenTheManagerDoesNotAnimatePageChanges) {
  manager->AnimEffects().PageChange.Active = false;
  ClickTab(1);
  EXPECT_EQ(pages->ActivePage(), two);
  EXPECT_EQ(outputWindows, 0);
}

TEST_F(PageChangeTest, PageSwitchesLeakNoGdiObjectsOrWindows) {
  ClickTab(1);  // what is made once: the output window's class and brush, the second page's picture
  ClickTab(0);
  const TResourceCount before = CountResources();
  // A cycle is there and back, so that the counts are compared on the page they were taken on.
  for (int i = 0; i < LeakCycles(); ++i) {
    ClickTab(1);
    ClickTab(0);
  }
  EXPECT_EQ(CountResources(), before);
  EXPECT_EQ(pages->ActivePage(), one);
}

}  // namespace
}  // namespace sundrel
