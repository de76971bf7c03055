// A modal form keeps the program's other windows disabled while it runs, and gives them back
// before it hides, so that the activation stays within the program.
#include <gtest/gtest.h>

#include "framework/forms.h"
#include "framework_test_support.h"
#include "message_recorder.h"

namespace sundrel {
namespace {

using sundrel::testing::Messages;
using sundrel::testing::SequenceMatches;
using sundrel::testing::TMessageRecorder;
using sundrel::testing::WindowWatch;
using namespace sundrel::testing::message_flags;

class ShowModal : public sundrel::testing::FrameworkTest {};

TEST_F(ShowModal, EnablesTheOtherWindowsAgainBeforeItHides) {
  auto* mainForm = application->CreateForm<TForm>();
  mainForm->Show();
  TOwned<TForm> modal(new TForm(application.get()));
  modal->HandleNeeded();
  TMessageRecorder log(Messages({WM_ENABLE, WM_SHOWWINDOW}));
  log.Watch(mainForm->Handle(), "main");
  log.Watch(modal->Handle(), "modal");
  WindowWatch watch([&] { return IsWindowVisible(modal->Handle()) ? modal->Handle() : nullptr; },
                    [&](HWND) { modal->SetModalResult(mrOk); });

  EXPECT_EQ(modal->ShowModal(), mrOk);
  EXPECT_TRUE(SequenceMatches(log.Entries(), {{"main", WM_ENABLE, sent | wparam, FALSE},
                                              {"modal", WM_SHOWWINDOW, sent | wparam, TRUE},
                                              {"main", WM_ENABLE, sent | wparam, TRUE},
                                              {"modal", WM_SHOWWINDOW, sent | wparam, FALSE}}));
  EXPECT_TRUE(IsWindowEnabled(mainForm->Handle()));
}

}  // namespace
}  // namespace sundrel
