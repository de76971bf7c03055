// The paint path of the framework's windows: a paint that fails still ends, is not asked for
// again and is reported once it is over; a container may compose its windowless children into a
// picture of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "base/errors.h"
#include "framework/bitmap.h"
#include "framework/forms.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework_test_support.h"
#include "message_recorder.h"

namespace sundrel {
namespace {

using sundrel::testing::FindThreadWindow;
using sundrel::testing::Messages;
using sundrel::testing::PumpUntil;
using sundrel::testing::SequenceMatches;
using sundrel::testing::TMessageRecorder;
using sundrel::testing::TMessageSequence;
using sundrel::testing::WindowTextOf;
using sundrel::testing::WindowWatch;
using namespace sundrel::testing::message_flags;

// Fails the first paint after it was armed, and notes the device context it was given.
class TFailingPainter : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  bool armed = false;
  int failures = 0;
  HDC dc = nullptr;

 protected:
  void Paint() override {
    if (!std::exchange(armed, false)) return;
    ++failures;
    dc = Canvas().Handle();
    throw Exception("Painting failed");
  }
};

class Painting : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    form->SetBounds(100, 100, 240, 160);
    painter = new TFailingPainter(form);
    painter->SetParent(form);
    painter->SetBounds(10, 10, 50, 50);
    form->Show();
    ASSERT_TRUE(PumpUntil([] { return (GetQueueStatus(QS_PAINT) & QS_PAINT) == 0; }));
  }

  // Repaints the form now, with the failure armed, and checks that the paint was over before its
  // error was reported; answers the failures counted by `failures`.
  void PaintAndExpectTheReportAfterwards(const std::function<int()>& failures) {
    TMessageRecorder log(Messages({WM_PAINT, TApplication::kShowPendingReports}));
    log.Watch(form->Handle(), "form");
    log.Watch(application->Handle(), "application");
    std::string report;
    WindowWatch watch([] { return FindThreadWindow(L"#32770"); },
                      [&](HWND box) {
                        report = WindowTextOf(GetDlgItem(box, 0xFFFF));
                        PostMessageW(box, WM_COMMAND, IDOK, 0);
                      });

    InvalidateRect(form->Handle(), nullptr, TRUE);
    UpdateWindow(form->Handle());
    EXPECT_EQ(failures(), 1);
    EXPECT_FALSE(watch.Seen()) << "the report opened in the middle of the paint";
    EXPECT_FALSE(GetUpdateRect(form->Handle(), nullptr, FALSE)) << "the failed paint would come straight back";

    ASSERT_TRUE(PumpUntil([&] { return watch.Seen() && FindThreadWindow(L"#32770") == nullptr; }));
    EXPECT_EQ(report, "Painting failed.");
    TMessageSequence seen = log.Entries();
    seen.resize(std::min<size_t>(seen.size(), 2));  // the form may repaint after the box
    EXPECT_TRUE(
        SequenceMatches(seen, {{"form", WM_PAINT, sent}, {"application", TApplication::kShowPendingReports, posted}}));
  }

  TForm* form = nullptr;
  TFailingPainter* painter = nullptr;
};

TEST_F(Painting, AControlThatFailsToPaintEndsThePaintAndIsReportedAfterIt) {
  painter->armed = true;
  PaintAndExpectTheReportAfterwards([&] { return painter->failures; });
  EXPECT_EQ(ReleaseDC(form->Handle(), painter->dc), 0) << "EndPaint has given the device context back already";
}

TEST_F(Painting, AHookThatFailsBeforeAnythingIsPaintedDoesNotLeaveThePaintAskedFor) {
  bool armed = true;
  int failures = 0;
  const TRemovalToken hook = form->MessageHooks().Add([&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == WM_PAINT && std::exchange(armed, false)) {
      ++failures;
      throw Exception("Painting failed");
    }
    passOn(message);
  });
  PaintAndExpectTheReportAfterwards([&] { return failures; });
}

// Composes its picture in a bitmap of its own: blue, with its windowless children drawn into it.
class TComposingPanel : public TPanel {
 public:
  using TPanel::TPanel;
  TBitmap picture;

 protected:
  void PaintHandler(HDC dc) override {
    picture.SetSize(Width(), Height());
    TCanvas& canvas = picture.Canvas();
    canvas.Brush().SetColor(0xFF0000);  // blue
    canvas.FillRect(RECT{0, 0, Width(), Height()});
    PaintControls(canvas.Handle());
    BitBlt(dc, 0, 0, Width(), Height(), canvas.Handle(), 0, 0, SRCCOPY);
  }
};

TEST_F(Painting, AContainerMayDrawItsWindowlessChildrenIntoAPictureOfItsOwn) {
  auto* panel = new TComposingPanel(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 60, 40);
  auto* label = new TLabel(form);
  label->SetParent(panel);
  label->SetAutoSize(false);
  label->SetCaption("");
  label->SetColor(clRed);
  label->SetBounds(10, 10, 20, 20);

  TBitmap printed(60, 40);
  SendMessageW(panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()), PRF_CLIENT);
  for (HDC dc : {panel->picture.Canvas().Handle(), printed.Canvas().Handle()}) {
    EXPECT_EQ(GetPixel(dc, 15, 15), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0, 0, 255));
  }
}

}  // namespace
}  // namespace sundrel
