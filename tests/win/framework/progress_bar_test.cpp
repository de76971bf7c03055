// The progress bar keeps its range and position in the control, so values given before its window
// exists reach the system's bar, and the position never leaves the range.
// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include "framework/progress_bar.h"

#include <gtest/gtest.h>

#include "framework/forms.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

class ProgressBar : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    bar = new TProgressBar(form);
    bar->SetParent(form);
  }
  int ShownPosition() { return static_cast<int>(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0)); }
  int ShownMax() { return static_cast<int>(SendMessageW(bar->Handle(), PBM_GETRANGE, FALSE, 0)); }

  TForm* form = nullptr;
  TProgressBar* bar = nullptr;
};

TEST_F(ProgressBar, ValuesSetBeforeTheWindowReachIt) {
  bar->SetRange(0, 1000);
  bar->SetPosition(640);
  ASSERT_FALSE(bar->HandleAllocated());
  EXPECT_EQ(ShownMax(), 1000);
  EXPECT_EQ(ShownPosition(), 640);
}

TEST_F(ProgressBar, PositionStaysWithinTheRange) {
  const struct {
    int min, max, position, expected;
  } cases[] = {{0, 100, 150, 100}, {0, 100, -5, 0}, {10, 20, 15, 15}, {50, 40, 45, 50}};
  for (const auto& test : cases) {
    SCOPED_TRACE(test.position);
    bar->SetRange(test.min, test.max);
    bar->SetPosition(test.position);
    EXPECT_EQ(bar->Position(), test.expected);
    EXPECT_EQ(ShownPosition(), test.expected);
  }
  bar->SetPosition(80);
  bar->SetRange(0, 30);  // a narrower range takes the position with it
  EXPECT_EQ(bar->Position(), 30);
  EXPECT_EQ(ShownPosition(), 30);
}

}  // namespace
}  // namespace sundrel
