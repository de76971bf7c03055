// Subclasses of plain windows and the window handlers built on them: who sees a message first,
// taking subclasses off in any order, living under someone else's subclass, and letting go of a
// window that is destroyed or of a hook that is freed while it runs.
#include "framework/window_subclass.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "framework/button.h"
#include "framework/forms.h"
#include "framework/window_handler.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

using sundrel::testing::WindowTextOf;

constexpr UINT kProbe = WM_APP + 11;

LONG_PTR ProcedureOf(HWND window) {
  return GetWindowLongPtrW(window, GWLP_WNDPROC);
}

class Subclasses : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    window.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                                 nullptr));
    ASSERT_TRUE(window);
    original = ProcedureOf(window.get());
  }

  // A hook that writes down the probes it sees under its name and hands everything on.
  TMessageHook Watching(std::string name) {
    return [this, name](TMessage& message, const TPassOn& passOn) {
      if (message.Msg == kProbe) seen.push_back(name);
      passOn(message);
    };
  }
  std::vector<std::string> Probe() {
    seen.clear();
    SendMessageW(window.get(), kProbe, 0, 0);
    return seen;
  }

  UniqueWindow window;
  LONG_PTR original = 0;
  std::vector<std::string> seen;
};

TEST_F(Subclasses, SeeTheMessagesFirstAndHandThemToTheWindow) {
  TWindowSubclass subclass(window.get(), [&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == kProbe) {
      message.Result = 5;
      return;
    }
    if (message.Msg == WM_SETTEXT) seen.push_back("settext");
    passOn(message);
  });
  EXPECT_EQ(SendMessageW(window.get(), kProbe, 0, 0), 5);
  SetWindowTextW(window.get(), L"through");
  EXPECT_EQ(seen, std::vector<std::string>{"settext"});
  EXPECT_EQ(WindowTextOf(window.get()), "through") << "the window's own procedure still did its part";
  EXPECT_TRUE(subclass.Attached());
}

TEST_F(Subclasses, GoInAnyOrderAndTheLastGivesTheWindowItsProcedureBack) {
  std::optional<TWindowSubclass> first(std::in_place, window.get(), Watching("first"));
  std::optional<TWindowSubclass> second(std::in_place, window.get(), Watching("second"));
  EXPECT_EQ(Probe(), (std::vector<std::string>{"second", "first"}));
  first.reset();
  EXPECT_EQ(Probe(), std::vector<std::string>{"second"});
  EXPECT_NE(ProcedureOf(window.get()), original);
  second.reset();
  EXPECT_EQ(ProcedureOf(window.get()), original);
  EXPECT_TRUE(Probe().empty());
}

WNDPROC foreignPrevious = nullptr;
int foreignCalls = 0;

LRESULT CALLBACK ForeignProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) ++foreignCalls;
  return CallWindowProcW(foreignPrevious, window, msg, wParam, lParam);
}

TEST_F(Subclasses, UnderSomeoneElsesSubclassOursStaysAsAPassThrough) {
  std::optional<TWindowSubclass> ours(std::in_place, window.get(), Watching("ours"));
  const LONG_PTR mine = ProcedureOf(window.get());
  foreignCalls = 0;
  foreignPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProcedure)));

  ours.reset();
  EXPECT_EQ(ProcedureOf(window.get()), reinterpret_cast<LONG_PTR>(&ForeignProcedure)) << "theirs is left in place";
  SetWindowTextW(window.get(), L"still");
  EXPECT_TRUE(Probe().empty());
  EXPECT_EQ(foreignCalls, 1);
  EXPECT_EQ(WindowTextOf(window.get()), "still") << "the pass-through reaches the window's procedure";

  // A new subclass joins the pass-through; once the other one has gone, it can leave for good.
  ours.emplace(window.get(), Watching("again"));
  EXPECT_EQ(Probe(), std::vector<std::string>{"again"});
  SetWindowLongPtrW(window.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreignPrevious));
  EXPECT_EQ(ProcedureOf(window.get()), mine);
  ours.reset();
  EXPECT_EQ(ProcedureOf(window.get()), original);
}

TEST_F(Subclasses, LetGoOfAWindowThatIsDestroyed) {
  TWindowSubclass subclass(window.get(), [&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == WM_NCDESTROY) seen.push_back("ncdestroy");
    passOn(message);
  });
  window.reset();
  EXPECT_EQ(seen, std::vector<std::string>{"ncdestroy"});
  EXPECT_FALSE(subclass.Attached());
}  // and going afterwards touches no window

TEST_F(Subclasses, AHookMayFreeItsOwnSubclassWhileItRuns) {
  std::unique_ptr<TWindowSubclass> subclass;
  subclass = std::make_unique<TWindowSubclass>(window.get(), [&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == WM_SETTEXT) subclass.reset();
    passOn(message);
  });
  SetWindowTextW(window.get(), L"freed");
  EXPECT_EQ(subclass, nullptr);
  EXPECT_EQ(WindowTextOf(window.get()), "freed");
  EXPECT_EQ(ProcedureOf(window.get()), original);
}

// Answers the probe with 42 and notes whether it was busy while doing so.
class TProbeHandler : public TWindowHandler {
 public:
  bool wasBusy = false;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override {
    if (message.Msg != kProbe) return passOn(message);
    wasBusy = Busy();
    message.Result = 42;
  }
};

TEST_F(Subclasses, AHandlerIsReachedTheSameWayOnAFrameworkControlAndOnAPlainWindow) {
  auto* form = application->CreateForm<TForm>();
  auto* button = new TButton(form);
  button->SetParent(form);
  const LONG_PTR buttonProcedure = ProcedureOf(button->Handle());
  TProbeHandler onControl, onPlain;
  onControl.Attach(button->Handle());
  onPlain.Attach(window.get());

  EXPECT_EQ(SendMessageW(button->Handle(), kProbe, 0, 0), 42);
  EXPECT_EQ(button->Perform(kProbe), 42) << "through the control's hooks, direct dispatch is seen too";
  EXPECT_EQ(ProcedureOf(button->Handle()), buttonProcedure) << "a framework window is not subclassed";
  EXPECT_EQ(SendMessageW(window.get(), kProbe, 0, 0), 42);
  EXPECT_TRUE(onPlain.wasBusy);
  EXPECT_FALSE(onPlain.Busy());

  onControl.Detach();
  EXPECT_EQ(button->Perform(kProbe), 0);
  window.reset();
  EXPECT_FALSE(onPlain.Attached()) << "inert until its owner frees it";
}

}  // namespace
}  // namespace sundrel
