// The automatic skinning's thread hook gives new windows the handlers registered for their class
// while a skin is active, and frees them once their windows have gone or the hook goes.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "base/handles_win32.h"
#include "framework/forms.h"
#include "framework/handler_registry.h"
#include "framework_test_support.h"
#include "skin/manager/internal_skin_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {
namespace {

// Counts the handlers made and freed, and whether one saw its window's creation.
struct Tally {
  int made = 0;
  int freed = 0;
  bool sawCreation = false;
};

class TCountedHandler : public TWindowHandler {
 public:
  TCountedHandler(HWND window, Tally& tally) : tally_(tally) {
    ++tally_.made;
    Attach(window);
  }
  ~TCountedHandler() override { ++tally_.freed; }

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override {
    if (message.Msg == WM_CREATE) tally_.sawCreation = true;
    passOn(message);
  }

 private:
  Tally& tally_;
};

UniqueWindow NewWindow(const wchar_t* className) {
  return UniqueWindow(
      CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

class SkinningHook : public sundrel::testing::FrameworkTest {};

TEST_F(SkinningHook, GivesNewWindowsTheRegisteredHandlersWhileASkinIsActive) {
  Tally tally;
  const TRemovalToken registration = RegisterHandlerFactory(L"Static", THandlerMoment::Created, [&](HWND window) {
    return std::make_unique<TCountedHandler>(window, tally);
  });
  auto* form = application->CreateForm<TForm>();
  auto* manager = new TsSkinManager(form);
  AddInternalSkin(manager->InternalSkins());
  NewWindow(L"STATIC");
  EXPECT_EQ(tally.made, 0) << "no skin, no hook";

  manager->SetSkinName(kInternalSkinName);
  ASSERT_TRUE(manager->HookInstalled());
  UniqueWindow window = NewWindow(L"STATIC");
  NewWindow(L"BUTTON");
  EXPECT_EQ(tally.made, 1);
  EXPECT_TRUE(tally.sawCreation) << "the handler is there from the window's first messages";

  window.reset();
  EXPECT_EQ(tally.freed, 0) << "freed at the next window's destruction, after its own has let go";
  NewWindow(L"BUTTON");
  EXPECT_EQ(tally.freed, 1);

  window = NewWindow(L"STATIC");
  manager->SetActive(false);
  EXPECT_FALSE(manager->HookInstalled());
  EXPECT_EQ(tally.freed, 2) << "the hook frees what it still holds when it goes";
}

}  // namespace
}  // namespace sundrel
