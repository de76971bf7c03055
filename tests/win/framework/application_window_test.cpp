// The application window: hidden, captioned with the title, owner of the forms, minimized and
// restored for the whole program, and hooked by components before it handles its messages.
#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/forms.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

using sundrel::testing::ClassNameOf;
using sundrel::testing::PumpUntil;
using sundrel::testing::WindowTextOf;

class ApplicationWindow : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    mainForm = application->CreateForm<TForm>();
    mainForm->SetBounds(100, 100, 300, 200);
    // Closing the main form would end the test's message loop.
    mainForm->OnClose = [this](TObject*, TCloseAction& action) {
      ++closeRequests;
      action = caNone;
    };
  }

  void ShowMainForm() {
    mainForm->Show();
    SetForegroundWindow(mainForm->Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == mainForm->Handle(); }));
  }

  TForm* mainForm = nullptr;
  int closeRequests = 0;
};

TEST_F(ApplicationWindow, IsAHiddenWindowCaptionedWithTheTitleThatOwnsTheForms) {
  HWND window = application->Handle();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ClassNameOf(window), L"TApplication");
  EXPECT_EQ(WindowTextOf(window), "Framework test");
  application->SetTitle("Sundrel");
  EXPECT_EQ(WindowTextOf(window), "Sundrel");
  EXPECT_FALSE(IsWindowVisible(window));
  RECT bounds;
  GetWindowRect(window, &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 0);
  EXPECT_EQ(bounds.bottom - bounds.top, 0);

  // The main form belongs to the application window, other forms to the main form.
  auto* other = application->CreateForm<TForm>();
  EXPECT_EQ(GetWindow(mainForm->Handle(), GW_OWNER), window);
  EXPECT_EQ(GetWindow(other->Handle(), GW_OWNER), mainForm->Handle());
  EXPECT_EQ(GetWindowLongPtrW(mainForm->Handle(), GWL_STYLE) & WS_CHILD, 0);
}

TEST_F(ApplicationWindow, HooksSeeItsMessagesFirstUntilOneHandlesThem) {
  std::vector<std::string> seen;
  const UINT probe = WM_APP + 7;
  const auto watcher = [&](std::string name) {
    return [&seen, name](TMessage& message, const TPassOn& passOn) {
      if (message.Msg == probe) seen.push_back(name);
      passOn(message);
    };
  };
  TRemovalToken first = application->HookMainWindow(watcher("first"));
  const TRemovalToken handler = application->HookMainWindow([&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg != probe) return passOn(message);
    seen.push_back("handler");
    message.Result = 42;
  });
  TRemovalToken last = application->HookMainWindow(watcher("last"));

  EXPECT_EQ(SendMessageW(application->Handle(), probe, 0, 0), 42);
  EXPECT_EQ(seen, (std::vector<std::string>{"last", "handler"}));

  seen.clear();
  last.Remove();
  SendMessageW(application->Handle(), probe, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"handler"}));
}

TEST_F(ApplicationWindow, MinimizingTheMainFormHidesTheProgramAndRestoringBringsItBack) {
  ShowMainForm();
  SendMessageW(mainForm->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(application->Handle()) && !IsWindowVisible(mainForm->Handle()); }));
  EXPECT_FALSE(IsIconic(mainForm->Handle())) << "the form itself is hidden, not minimized";

  // The task-bar entry restores the application window, and the form comes back active.
  SendMessageW(application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(PumpUntil([&] {
    return !IsIconic(application->Handle()) && IsWindowVisible(mainForm->Handle()) &&
           GetActiveWindow() == mainForm->Handle();
  }));
}

TEST_F(ApplicationWindow, ClosingTheTaskBarEntryClosesTheMainForm) {
  ShowMainForm();
  SendMessageW(application->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(closeRequests, 1);
  EXPECT_TRUE(IsWindow(application->Handle()));
}

TEST_F(ApplicationWindow, GoesWithTheApplicationAfterItsForms) {
  HWND window = application->Handle();
  HWND form = mainForm->Handle();
  application.reset();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(form));
}

}  // namespace
}  // namespace sundrel
