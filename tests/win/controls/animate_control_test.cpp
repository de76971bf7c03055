// The show animation: while it runs an output window covers the control, whose redrawing is off;
// afterwards the control redraws, and no output window, bitmap or other GDI object is left, on
// every way out.
#include "controls/animate_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/s_skin_manager.h"
#include "framework/forms.h"
#include "framework/panel.h"
#include "framework_test_support.h"
#include "leak_cycles.h"
#include "resource_count.h"
#include "skin/manager/skin_change_animation_win32.h"

namespace sundrel {
namespace {

using sundrel::testing::CountResources;
using sundrel::testing::LeakCycles;
using sundrel::testing::TResourceCount;

// What the output window looked like when it was made, seen by a thread hook.
struct SeenOutput {
  std::wstring className;
  std::wstring caption;
  HWND parent = nullptr;
  COLORREF background = 0;
  bool controlVisibleBit = true;
};

class AnimateControlTest : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    form->SetBounds(40, 40, 240, 160);
    panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 100, 60);
    form->Show();
    watched = nullptr;
    seen.clear();
    hook.reset(SetWindowsHookExW(WH_CBT, Watch, nullptr, GetCurrentThreadId()));
  }
  void TearDown() override {
    hook.reset();
    FrameworkTest::TearDown();
  }

  static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
      if (create->lpszName != nullptr && std::wstring(create->lpszName) == L"acOutputWindow") {
        auto window = reinterpret_cast<HWND>(wParam);
        LOGBRUSH brush{};
        GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)), sizeof(brush), &brush);
        seen.push_back({sundrel::testing::ClassNameOf(window), create->lpszName, create->hwndParent, brush.lbColor,
                        (GetWindowLongW(watched, GWL_STYLE) & WS_VISIBLE) != 0});
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static BOOL CALLBACK FindOutput(HWND window, LPARAM found) {
    if (sundrel::testing::WindowTextOf(window) == "acOutputWindow" ||
        FindWindowExW(window, nullptr, nullptr, L"acOutputWindow") != nullptr) {
      *reinterpret_cast<bool*>(found) = true;
    }
    return TRUE;
  }
  static bool OutputWindowLeft() {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), FindOutput, reinterpret_cast<LPARAM>(&found));
    return found;
  }

  inline static HWND watched = nullptr;
  inline static std::vector<SeenOutput> seen;
  UniqueHook hook;
  TForm* form = nullptr;
  TPanel* panel = nullptr;
};

TEST_F(AnimateControlTest, AnOutputWindowCoversTheControlWhileItDoesNotRedrawAndGoesAfterwards) {
  struct Case {
    const char* what;
    TWinControl* control;
    HWND expectedParent;
    int code;
  };
  const Case cases[] = {
      {"panel at once", panel, form->Handle(), 0},
      {"panel in frames", panel, form->Handle(), 16},
      {"form at once", form, application->Handle(), 7},
      {"form in frames", form, application->Handle(), 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    seen.clear();
    watched = c.control->Handle();
    AnimateControl(c.control, c.code);

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"acOutputWindow");
    EXPECT_EQ(seen[0].parent, c.expectedParent);
    EXPECT_EQ(seen[0].background, 0x800080u);
    EXPECT_FALSE(seen[0].controlVisibleBit) << "the control's redrawing is off while the output window shows";
    EXPECT_NE(GetWindowLongW(watched, GWL_STYLE) & WS_VISIBLE, 0) << "the control redraws again";
    EXPECT_FALSE(OutputWindowLeft());
  }
}

TEST_F(AnimateControlTest, APreparedAnimationKeepsItsOutputWindowUntilItRunsOrIsCancelled) {
  struct Case {
    const char* what;
    bool runs;
  };
  for (const Case c : {Case{"the change happens", true}, Case{"the change is vetoed", false}}) {
    SCOPED_TRACE(c.what);
    seen.clear();
    watched = panel->Handle();
    PrepareControlAnimation(panel);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(OutputWindowLeft()) << "the output window covers the control while the change is made";
    EXPECT_EQ(GetWindowLongW(watched, GWL_STYLE) & WS_VISIBLE, 0);
    if (c.runs) {
      AnimateControl(panel, 16);
      EXPECT_EQ(seen.size(), 1u) << "the animation goes on with the prepared output window";
    } else {
      CancelControlAnimation();
    }
    EXPECT_NE(GetWindowLongW(watched, GWL_STYLE) & WS_VISIBLE, 0) << "the control redraws again";
    EXPECT_FALSE(OutputWindowLeft());
  }
}

TEST_F(AnimateControlTest, NothingHappensForAControlWithoutWindowOrSize) {
  auto* orphan = new TPanel(form);  // no parent, no window
  AnimateControl(orphan, 16);
  EXPECT_FALSE(orphan->HandleAllocated());
  panel->SetBounds(10, 10, 0, 0);
  watched = panel->Handle();
  AnimateControl(panel, 16);
  EXPECT_TRUE(seen.empty());
  EXPECT_NE(GetWindowLongW(panel->Handle(), GWL_STYLE) & WS_VISIBLE, 0);
}

TEST_F(AnimateControlTest, AControlWhoseWindowGoesWhileItPaintsLeavesNoOutputWindow) {
  watched = panel->Handle();
  const TRemovalToken destroyOnPrint = panel->MessageHooks().Add([&](TMessage& message, const TPassOn& passOn) {
    passOn(message);
    if (message.Msg == WM_PRINT && panel->HandleAllocated()) DestroyWindow(panel->Handle());
  });
  AnimateControl(panel, 16);
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_FALSE(panel->HandleAllocated());
  EXPECT_FALSE(OutputWindowLeft());
}

TEST_F(AnimateControlTest, AnimationsLeakNoGdiObjectsOrWindows) {
  AnimateControl(panel, 8);  // the output window's class and brush are made once
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) {
    AnimateControl(panel, i % 2 == 0 ? 8 : 0);
    AnimateControl(form, 0);
    PrepareControlAnimation(panel);
    CancelControlAnimation();
  }
  EXPECT_EQ(CountResources(), before);
}

TEST_F(AnimateControlTest, AProgramHoldingASkinManagerAnimatesSkinChanges) {
  EXPECT_TRUE(kSkinChangeAnimated);
  EXPECT_NE(SkinChangeAnimation(), nullptr);
}

}  // namespace
}  // namespace sundrel
