// The table from window class to handler factory, and the handlers it makes: found by class
// without regard to case, with a fallback for every other class, and kept until their window
// has gone.
#include "framework/handler_registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "base/handles_win32.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

constexpr UINT kProbe = WM_APP + 12;

// Answers the probe with the number it was made with.
class TAnsweringHandler : public TWindowHandler {
 public:
  TAnsweringHandler(HWND window, LRESULT answer) : answer_(answer) { Attach(window); }

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override {
    if (message.Msg != kProbe) return passOn(message);
    message.Result = answer_;
  }

 private:
  LRESULT answer_;
};

THandlerFactory Answering(LRESULT answer) {
  return [answer](HWND window) { return std::make_unique<TAnsweringHandler>(window, answer); };
}

class HandlerRegistry : public sundrel::testing::FrameworkTest {
 protected:
  static UniqueWindow NewWindow(const wchar_t* className) {
    return UniqueWindow(CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr));
  }
  // What the factory found for the window at the moment makes of it: its answer to the probe, 0
  // for no factory.
  static LRESULT Answer(HWND window, THandlerMoment moment) {
    const THandlerFactory factory = FindHandlerFactory(window, moment);
    if (!factory) return 0;
    const std::unique_ptr<TWindowHandler> handler = factory(window);
    return SendMessageW(window, kProbe, 0, 0);
  }

  UniqueWindow text = NewWindow(L"STATIC");
  UniqueWindow button = NewWindow(L"BUTTON");
};

TEST_F(HandlerRegistry, FindsAFactoryByClassAndMomentWithTheEmptyNameForEveryOtherClass) {
  const TRemovalToken statics = RegisterHandlerFactory(L"static", THandlerMoment::Activated, Answering(1));
  std::optional<TRemovalToken> others{RegisterHandlerFactory(L"", THandlerMoment::Activated, Answering(2))};
  EXPECT_EQ(Answer(text.get(), THandlerMoment::Activated), 1);
  EXPECT_EQ(Answer(button.get(), THandlerMoment::Activated), 2);
  EXPECT_EQ(Answer(text.get(), THandlerMoment::Created), 0);

  // The latest registration for a class counts; taking it out brings the earlier one back.
  std::optional<TRemovalToken> newer{RegisterHandlerFactory(L"Static", THandlerMoment::Activated, Answering(3))};
  EXPECT_EQ(Answer(text.get(), THandlerMoment::Activated), 3);
  newer.reset();
  EXPECT_EQ(Answer(text.get(), THandlerMoment::Activated), 1);
  others.reset();
  EXPECT_EQ(Answer(button.get(), THandlerMoment::Activated), 0);
}

TEST_F(HandlerRegistry, TheHandlersMadeLiveUntilTheirWindowHasGone) {
  const TRemovalToken registration = RegisterHandlerFactory(L"STATIC", THandlerMoment::Created, Answering(7));
  TAutoHandlers handlers;
  handlers.WindowCreated(text.get());
  handlers.WindowCreated(button.get());  // no factory: no handler
  handlers.WindowActivated(text.get());  // no factory at this moment
  ASSERT_EQ(handlers.Count(), 1);
  EXPECT_EQ(SendMessageW(text.get(), kProbe, 0, 0), 7);

  handlers.WindowDestroying(button.get());
  EXPECT_EQ(handlers.Count(), 1) << "its window is still there";
  text.reset();
  handlers.WindowDestroying(button.get());
  EXPECT_EQ(handlers.Count(), 0);
}

}  // namespace
}  // namespace sundrel
