// Windows get their skin when they are first activated, as the default manager's rules allow:
// the main window and message windows through a provider made at run time; the providers go
// with their windows, and the skinning's helper window never takes the activation.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/umain.h"
#include "framework/message_form.h"
#include "leak_cycles.h"
#include "provider_fixture.h"
#include "resource_count.h"
#include "skin/manager/form_provider_link_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/auto/ac_provider.h"
#include "windows/provider/s_skin_provider.h"
#include "windows/provider/title_cover.h"

namespace sundrel {
namespace {

using testing::AnswersSkinned;
using testing::ProviderTest;
using testing::PumpUntil;
using testing::ShowSkinned;

bool HasSystemMenuStyle(HWND window) {
  return (GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU) != 0;
}

int ProvidersOn(const TCustomForm& form) {
  int count = 0;
  for (int i = 0; i < form.ComponentCount(); ++i) count += dynamic_cast<TsSkinProvider*>(form.Components(i)) ? 1 : 0;
  return count;
}

class AutomaticSkinning : public ProviderTest {};

TEST_F(AutomaticSkinning, TheMainWindowIsSkinnedOnItsFirstActivation) {
  auto* main = application->CreateForm<Tfrmmain>();
  EXPECT_FALSE(AnswersSkinned(main->Handle())) << "nothing before the activation";
  ASSERT_TRUE(ShowSkinned(*main));

  const HWND window = main->Handle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const LRESULT offset = SendSkinCommand(window, SMC_GET_CLIENT_OFFSET);
  EXPECT_EQ(LOWORD(offset), client.x - bounds.left);
  EXPECT_EQ(HIWORD(offset), client.y - bounds.top);
  EXPECT_GT(HIWORD(offset), LOWORD(offset)) << "the title bar lies above the client area";
  EXPECT_FALSE(HasSystemMenuStyle(window)) << "the system draws no caption buttons of its own";
  ASSERT_NE(FormProviderLink(main), nullptr);
  EXPECT_EQ(FormProviderLink(main)->SkinManager(), main->sSkinManager1);
}

TEST_F(AutomaticSkinning, FollowsTheRulesAndTheTag) {
  struct Case {
    const char* name;
    TacSkinningRules rules;
    bool messageForm;
    int tag;
    bool skinned;
  };
  const Case cases[] = {
      {"a form without srStdForms", srStdDialogs | srThirdParty, false, 0, false},
      {"a form", srStdForms | srStdDialogs, false, 0, true},
      {"a form tagged -98", srStdForms | srStdDialogs, false, kNotSkinnedTag, false},
      {"a message window", srStdDialogs, true, 0, true},
      {"a message window without srStdDialogs", srStdForms | srThirdParty, true, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Manager()->SetSkinningRules(c.rules);
    TOwned<TForm> form(c.messageForm ? new TMessageForm(application.get(), "Text") : new TForm(application.get()));
    form->SetTag(c.tag);
    form->Show();

    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == form->Handle(); }));
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(AnswersSkinned(form->Handle()), c.skinned);
    EXPECT_EQ(HasSystemMenuStyle(form->Handle()), !c.skinned) << "the system's frame stays without a skin";
    if (c.skinned) {
      auto* provider = dynamic_cast<TsSkinProvider*>(
          reinterpret_cast<TComponent*>(SendSkinCommand(form->Handle(), SMC_GET_PROVIDER)));
      ASSERT_NE(provider, nullptr);
      EXPECT_EQ(provider->MakeSkinMenu(), !c.messageForm) << "a message window lists no skins";
    }
  }
}

TEST_F(AutomaticSkinning, ActivatingAgainMakesNoSecondProvider) {
  TForm* first = ShownForm();
  TForm* second = ShownForm();
  for (int i = 0; i < 3; ++i) {
    for (TForm* form : {first, second}) {
      SetActiveWindow(form->Handle());
      PumpUntil([&] { return GetActiveWindow() == form->Handle(); });
    }
  }
  EXPECT_EQ(ProvidersOn(*first), 1);
  EXPECT_EQ(ProvidersOn(*second), 1);
  EXPECT_EQ(ProviderList().size(), 2u);
}

TEST_F(AutomaticSkinning, TheTitleCoverIsMadeOnceAndNeverActivated) {
  TForm* first = ShownForm();
  TForm* second = ShownForm();
  TacTitleCover* cover = TacTitleCover::Instance();
  const HWND coverWindow = cover->Handle();
  int coverActivations = 0;
  int frameActivations = 0;
  const TRemovalToken coverWatch = cover->MessageHooks().Add([&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == WM_ACTIVATE || message.Msg == WM_NCACTIVATE || message.Msg == WM_SETFOCUS) ++coverActivations;
    passOn(message);
  });
  const TRemovalToken formWatch = first->MessageHooks().Add([&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == WM_NCACTIVATE) ++frameActivations;
    passOn(message);
  });
  const int switches = 6;
  for (int i = 0; i < switches; ++i) {
    TForm* form = i % 2 == 0 ? first : second;
    SetActiveWindow(form->Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == form->Handle(); }));
  }
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(TacTitleCover::Instance()->Handle(), coverWindow) << "one cover, reused";
  EXPECT_EQ(coverActivations, 0);
  EXPECT_LE(frameActivations, switches) << "each switch activates or deactivates the form once";
  EXPECT_FALSE(IsWindowVisible(coverWindow));
}

TEST_F(AutomaticSkinning, ASystemWindowsProviderGoesWithItsWindow) {
  Manager();
  UniqueWindow window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
  SetActiveWindow(window.get());
  const HWND handle = window.get();
  ASSERT_NE(ProviderOf(handle), nullptr) << "an idle provider while no dialog skinner is there";
  window.reset();
  EXPECT_EQ(ProviderOf(handle), nullptr) << "a window made later with the same handle is skinned anew";
  UniqueWindow(
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  EXPECT_TRUE(ProviderList().empty()) << "freed at the next window's destruction";
}

UniqueWindow ShownDialog() {
  UniqueWindow dialog(CreateWindowExW(0, L"#32770", L"Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200, 100,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  SetActiveWindow(dialog.get());
  return dialog;
}

TEST_F(AutomaticSkinning, SystemDialogsGoToTheDialogSkinner) {
  Manager();
  std::vector<HWND> asked;
  bool keepSkinned = false;
  const TRemovalToken skinner = RegisterDialogSkinner([&](TacDialogProvider& provider) {
    asked.push_back(provider.DialogHandle());
    return keepSkinned;
  });
  UniqueWindow refused = ShownDialog();
  EXPECT_EQ(asked, std::vector<HWND>{refused.get()});
  EXPECT_EQ(ProviderOf(refused.get()), nullptr) << "a dialog that stays native keeps no provider";

  keepSkinned = true;
  UniqueWindow skinned = ShownDialog();
  EXPECT_NE(ProviderOf(skinned.get()), nullptr);
  UniqueWindow raised = ShownDialog();
  EXPECT_EQ(asked.size(), 2u) << "a box raised over a skinned dialog stays native";
  EXPECT_EQ(ProviderOf(raised.get()), nullptr);
}

TEST_F(AutomaticSkinning, AFormKeepsItsProviderWhenTheHookGoes) {
  TForm* form = ShownForm();
  ASSERT_TRUE(AnswersSkinned(form->Handle()));
  Manager()->SetActive(false);
  EXPECT_FALSE(Manager()->HookInstalled());
  ASSERT_EQ(ProvidersOn(*form), 1) << "the form owns its provider; the hook frees only its own";
  EXPECT_TRUE(HasSystemMenuStyle(form->Handle())) << "the system's frame is back";
  form->Free();
  EXPECT_TRUE(ProviderList().empty());
}

TEST_F(AutomaticSkinning, MessageWindowsLeakNothing) {
  Manager();
  const auto cycle = [&] {
    TOwned<TMessageForm> form(new TMessageForm(application.get(), "文件分割完毕"));
    ASSERT_TRUE(ShowSkinned(*form));
    form->Hide();
  };
  cycle();  // the title cover and the caches of the first paint stay for the program's life
  const testing::TResourceCount before = testing::CountResources();
  for (int i = 0; i < testing::LeakCycles(); ++i) cycle();
  EXPECT_EQ(testing::CountResources(), before);
  EXPECT_TRUE(ProviderList().empty());
  EXPECT_TRUE(std::all_of(Shared().FormsWithProvider.begin(), Shared().FormsWithProvider.end(),
                          [](const TComponent* entry) { return entry == nullptr; }));
}

}  // namespace
}  // namespace sundrel
