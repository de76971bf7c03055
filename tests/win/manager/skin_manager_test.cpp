// The skin manager as the application sees it: the default-manager rule and its hooks, finding a
// skin by name with the fallback to the internal skin, announcing, refreshing and removing it
// (in the order the windows hear it), and the process-wide flags on every path.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/utf.h"
#include "framework/forms.h"
#include "framework/label.h"
#include "framework/timer.h"
#include "framework/window_subclass.h"
#include "framework_test_support.h"
#include "paint/shared_slots.h"
#include "skin/manager/anim_effects_win32.h"
#include "skin/manager/broadcast_win32.h"
#include "skin/manager/form_provider_link_win32.h"
#include "skin/manager/internal_skin_win32.h"
#include "skin/manager/skin_change_animation_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin_command_records.h"
#include "test_skins.h"

namespace sundrel {
namespace {

using sundrel::testing::Command;
using sundrel::testing::FindThreadWindow;
using sundrel::testing::SequenceMatches;
using sundrel::testing::SkinCommandRecorder;
using sundrel::testing::TMessageRecorder;
using sundrel::testing::TMessageSequence;
using namespace sundrel::testing::message_flags;

constexpr const char* kTidewater = "Tidewater (internal)";

// A label that runs an action when it hears a skin command.
class TListeningLabel : public TLabel {
 public:
  using TLabel::TLabel;
  std::function<void(int code)> onCommand;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == SM_SKINCMD && onCommand) onCommand(SkinCommandCode(message.WParam));
    TLabel::WndProc(message);
  }
};

// Stands in for a form's skin provider: it answers for its form that the form is skinned and who
// its provider is, and writes down what the form goes through.
class TFakeProvider : public TComponent, public TacFormProviderLink {
 public:
  TFakeProvider(TForm* form, TsSkinManager* manager)
      : TComponent(form),
        form_(form),
        manager_(manager),
        subclass_(form->Handle(), [this](TMessage& message, const TPassOn& passOn) { Handle(message, passOn); }) {
    Shared().FormsWithProvider.push_back(form);
  }
  ~TFakeProvider() override {
    // As a provider does when it goes: its entry stays, emptied.
    std::vector<TComponent*>& forms = Shared().FormsWithProvider;
    std::replace(forms.begin(), forms.end(), static_cast<TComponent*>(form_), static_cast<TComponent*>(nullptr));
  }

  TsSkinManager* SkinManager() const override { return manager_; }
  void UpdateRegion() override { events.push_back("region"); }

  std::vector<std::string> events;

 private:
  void Handle(TMessage& message, const TPassOn& passOn) {
    if (message.Msg == SM_SKINCMD) {
      const int code = SkinCommandCode(message.WParam);
      if (code == SMC_IS_SKINNED) {
        message.Result = 1;
        return;
      }
      if (code == SMC_GET_PROVIDER) {
        message.Result = reinterpret_cast<LRESULT>(static_cast<TComponent*>(this));
        return;
      }
      events.push_back("command " + std::to_string(code));
    } else if (message.Msg == WM_SETREDRAW) {
      events.push_back(message.WParam ? "redraw on" : "redraw off");
    }
    passOn(message);
  }

  TForm* form_;
  TsSkinManager* manager_;
  TWindowSubclass subclass_;
};

// Reads every "Warning" box that shows while it lives and presses its OK button.
class WarningBoxes {
 public:
  WarningBoxes() : timer_(new TTimer(nullptr)) {
    timer_->SetInterval(20);
    timer_->OnTimer = [this](TObject*) {
      HWND box = FindThreadWindow(L"#32770", L"Warning");
      if (box == nullptr || std::find(seen_.begin(), seen_.end(), box) != seen_.end()) return;
      seen_.push_back(box);
      wchar_t text[512] = {};
      GetDlgItemTextW(box, 0xFFFF, text, 512);
      texts_.push_back(FromWide(text));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    };
  }
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  std::vector<HWND> seen_;
  std::vector<std::string> texts_;
  TOwned<TTimer> timer_;
};

class SkinManagerTest : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    label = new TListeningLabel(form);
    label->SetParent(form);
    form->HandleNeeded();
  }
  void TearDown() override {
    ButtonEvents = kAllBtnEvents;
    FrameworkTest::TearDown();
  }

  // A manager of the form with the program's own skin, its skin directory an empty folder.
  TsSkinManager* NewManager() {
    auto* manager = new TsSkinManager(form);
    AddInternalSkin(manager->InternalSkins());
    manager->SetSkinDirectory(skins.Path());
    return manager;
  }

  static LPARAM Param(TsSkinManager* manager) { return reinterpret_cast<LPARAM>(manager); }

  FreshSlots fresh;
  TForm* form = nullptr;
  TListeningLabel* label = nullptr;
  test::TempDir skins;
  TMessageRecorder log = SkinCommandRecorder();
};

TEST_F(SkinManagerTest, TheFirstManagerIsTheDefaultAndASecondOneOnlyWhenMadeSo) {
  // Theme changes that get past the managers' hooks on the application window: the listener went
  // in first, so it is asked after every hook that comes later.
  std::vector<UINT> themeMessages;
  const TRemovalToken listener = application->HookMainWindow([&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == WM_THEMECHANGED) themeMessages.push_back(message.Msg);
    passOn(message);
  });

  TsSkinManager* first = NewManager();
  EXPECT_EQ(first->SkinInfo(), "N/A");
  first->SetSkinName(kTidewater);
  TsSkinManager* second = NewManager();
  second->SetSkinName(kTidewater);
  EXPECT_EQ(DefaultManager(), first);
  EXPECT_TRUE(first->IsDefault());
  EXPECT_FALSE(second->IsDefault());
  EXPECT_TRUE(first->HookInstalled());
  EXPECT_FALSE(second->HookInstalled());

  // Only the default manager sets the events that every fading button reads.
  second->AnimEffects().Buttons.SetEvents(beMouseDown);
  EXPECT_EQ(ButtonEvents, kAllBtnEvents);
  first->AnimEffects().Buttons.SetEvents(beMouseEnter | beMouseLeave);
  EXPECT_EQ(ButtonEvents, beMouseEnter | beMouseLeave);

  // The default manager keeps theme changes from the application window.
  SendMessageW(application->Handle(), WM_THEMECHANGED, 0, 0);
  EXPECT_TRUE(themeMessages.empty());

  second->SetIsDefault(false);
  EXPECT_FALSE(second->IsDefault()) << "asking a manager not to be the default changes nothing";
  second->SetIsDefault(true);
  EXPECT_EQ(DefaultManager(), second);
  EXPECT_FALSE(first->IsDefault());
  EXPECT_FALSE(first->HookInstalled());
  EXPECT_TRUE(second->HookInstalled());
  EXPECT_EQ(ButtonEvents, beMouseDown) << "the buttons follow the new default manager";
  SendMessageW(application->Handle(), WM_THEMECHANGED, 0, 0);
  EXPECT_TRUE(themeMessages.empty());

  second->Free();
  EXPECT_EQ(DefaultManager(), nullptr);
  SendMessageW(application->Handle(), WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(themeMessages.size(), 1u) << "no manager hooks the application window any more";
}

TEST_F(SkinManagerTest, AWindowBeingBuiltHearsTheSkinOnceItsComponentsAreLoaded) {
  // Built the way the main window is: the manager first, its skin set while the window loads.
  auto* window = application->CreateForm<TForm>();
  window->BeginLoading();
  auto* manager = new TsSkinManager(window);
  AddInternalSkin(manager->InternalSkins());
  auto* heard = new TListeningLabel(window);
  heard->SetParent(window);
  std::vector<int> codes;
  heard->onCommand = [&](int code) { codes.push_back(code); };
  manager->SetSkinName(kTidewater);
  EXPECT_EQ(manager->SkinInfo(), "5.4");
  EXPECT_TRUE(codes.empty()) << "a window that is still loading is left out";

  window->EndLoading();
  EXPECT_EQ(codes, (std::vector<int>{SMC_SKIN_SET, SMC_STOP_FADING, SMC_REFRESH}));
  EXPECT_FALSE(window->HandleAllocated()) << "announcing creates no windows";
}

TEST_F(SkinManagerTest, AnUnknownNameFallsBackToTheInternalSkinAndTakesItsName) {
  TsSkinManager* manager = NewManager();
  int changes = 0;
  manager->OnAfterChange = [&](TObject*) { ++changes; };
  manager->SetSkinName("Nowhere");
  EXPECT_EQ(manager->SkinName(), kTidewater);
  EXPECT_EQ(manager->SkinInfo(), "5.4");
  EXPECT_TRUE(manager->Active());
  EXPECT_GE(manager->GetSkinIndex("BUTTON"), 0);
  EXPECT_EQ(changes, 1);

  // Without any internal skin there is nothing to fall back to: the manager turns inactive.
  manager->SetInternalSkins(TsStoredSkins());
  log.Watch(*label, "label");
  manager->SetSkinName("Nowhere");
  EXPECT_FALSE(manager->Active());
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  EXPECT_EQ(manager->GetSkinIndex("BUTTON"), -1);
  EXPECT_FALSE(manager->HookInstalled());
  EXPECT_TRUE(SequenceMatches(log.Entries(), {Command("label", SMC_SKIN_REMOVED, Param(manager), performed)}));
}

TEST_F(SkinManagerTest, SwitchingActiveOffAndOnRemovesTheSkinAndAnnouncesItAgain) {
  TsSkinManager* manager = NewManager();
  manager->SetSkinName(kTidewater);
  log.Watch(*form, "form");
  log.Watch(*label, "label");
  const LPARAM self = Param(manager);

  manager->SetActive(false);
  manager->SetSkinInfo("5.4");  // what a window resource stores: written, never shown
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  EXPECT_FALSE(manager->HookInstalled());
  // The form's window is asked twice whether it is skinned before each command.
  EXPECT_TRUE(SequenceMatches(
      log.Entries(),
      {Command("form", SMC_IS_SKINNED, 0, sent), Command("form", SMC_IS_SKINNED, 0, sent),
       Command("form", SMC_SKIN_REMOVED, self, sent), Command("label", SMC_SKIN_REMOVED, self, performed)}));

  log.Clear();
  manager->SetActive(true);
  manager->SetSkinInfo("9.9");
  EXPECT_EQ(manager->SkinInfo(), "5.4");
  EXPECT_TRUE(manager->HookInstalled());
  TMessageSequence heard;
  for (const auto& entry : log.Entries()) {
    if (SkinCommandCode(entry.wParam) != SMC_IS_SKINNED) heard.push_back(entry);
  }
  EXPECT_TRUE(SequenceMatches(
      heard, {Command("form", SMC_SKIN_SET, self, sent), Command("label", SMC_SKIN_SET, self, performed),
              Command("form", SMC_STOP_FADING, self, sent), Command("label", SMC_STOP_FADING, self, performed),
              Command("form", SMC_REFRESH, self, sent), Command("label", SMC_REFRESH, self, performed)}));
}

TEST_F(SkinManagerTest, ReceiversCanTellTheCommandsOfTheirManagerFromAnothers) {
  TsSkinManager* mine = NewManager();
  mine->SetSkinName(kTidewater);
  TsSkinManager* other = NewManager();
  other->SetSkinName(kTidewater);
  // A receiver that belongs to `mine` acts on codes 1 to 3 only when they carry its manager.
  std::vector<int> acted;
  label->onCommand = nullptr;
  const TRemovalToken hook = label->MessageHooks().Add([&](TMessage& message, const TPassOn& passOn) {
    const int code = message.Msg == SM_SKINCMD ? SkinCommandCode(message.WParam) : 0;
    if (code >= SMC_SKIN_SET && code <= SMC_REFRESH && message.LParam == Param(mine)) acted.push_back(code);
    passOn(message);
  });

  other->RefreshSkin();
  other->SetActive(false);
  EXPECT_TRUE(acted.empty());
  mine->RefreshSkin();
  EXPECT_EQ(acted, (std::vector<int>{SMC_REFRESH}));
}

TEST_F(SkinManagerTest, APackInTheSkinDirectoryIsFoundByNameAndListed) {
  TsSkinManager* manager = NewManager();
  test::WriteFileBytes(skins.File("Test.asz"), testing::TestSkinPack());
  manager->SetSkinName("Test");
  EXPECT_EQ(manager->SkinName(), "Test");
  EXPECT_EQ(manager->SkinInfo(), "7.25");
  EXPECT_EQ(manager->GetSkinIndex("PANEL"), 1);
  EXPECT_EQ(manager->GetSkinIndex("BUTTON"), -1);

  std::filesystem::create_directories(ToWide(skins.File("Loose")));
  test::WriteFileBytes(skins.File("Loose") + "\\Options.dat", test::Bytes{'['});

  std::vector<std::string> names;
  EXPECT_EQ(manager->GetSkinNames(names, SkinListFilter::All), kTidewater);
  EXPECT_EQ(names, (std::vector<std::string>{kTidewater, "Loose", "Test"}));
}

TEST_F(SkinManagerTest, APackThatFailsLeavesTheInternalSkinAndTellsWhy) {
  const std::string damaged = skins.File("Damaged.asz");
  test::Bytes truncated = testing::TestSkinPack();
  truncated.resize(truncated.size() / 2);
  const struct {
    const char* name;
    test::Bytes pack;
    std::string warning;
  } cases[] = {
      {"Foreign", {'B', 'M', 0, 0, 0, 0, 0, 0}, "Loaded data is not a packed skin file"},
      {"Damaged", truncated, "The skin \"" + damaged + "\" could not be loaded: Stream read error"},
      {"Bare",
       {'A', 'S', 'z', 'f', 0, 0, 0, 0},
       "The skin \"" + skins.File("Bare.asz") + "\" could not be loaded: the pack holds no \"Options.dat\""},
  };
  TsSkinManager* manager = NewManager();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteFileBytes(skins.File(std::string(c.name) + ".asz"), c.pack);
    WarningBoxes boxes;
    manager->SetSkinName(c.name);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{c.warning});
    EXPECT_EQ(manager->SkinName(), kTidewater);
    EXPECT_EQ(manager->SkinInfo(), "5.4");
    EXPECT_FALSE(Shared().SkinChanging);
  }
}

TEST_F(SkinManagerTest, AnImageThatCannotBeReadIsLeftOutWithAWarningAndTheSkinStays) {
  TsSkinManager* manager = NewManager();
  const std::string options = testing::TestSkinOptions() + "[EXTRA]\r\nFRAME=#(0,0,x,1)(1,0)\r\n";
  test::WriteFileBytes(skins.File("Odd.asz"),
                       testing::PackFile(options, {{"Master.bmp", testing::BmpFile(3, 1, {testing::kRed, 0, 0})},
                                                   {"Own.bmp", testing::BmpFile(1, 1, {testing::kRed})}}));
  WarningBoxes boxes;
  manager->SetSkinName("Odd");
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"The skin \"Odd\" is shown without some of its images:\r\n"
                                                    "The image \"FRAME\" of [EXTRA] was left out: 'x' is not a valid "
                                                    "integer value\r\n"});
  EXPECT_EQ(manager->SkinName(), "Odd");
  EXPECT_EQ(manager->SkinInfo(), "7.25");
  EXPECT_GE(manager->GetMaskIndexDirect("PANEL", "BORDERSMASK"), 0);
  EXPECT_EQ(manager->GetMaskIndexDirect("EXTRA", "FRAME"), -1);
}

TEST_F(SkinManagerTest, TheFlagsAreRaisedWhileTheSkinChangesAndClearedOnEveryWayOut) {
  TsSkinManager* manager = NewManager();
  std::vector<std::string> seen;
  label->onCommand = [&](int code) {
    const SharedSlots& slots = Shared();
    seen.push_back(std::to_string(code) + (slots.SkinChanging ? " changing" : "") +
                   (slots.SkinAnnouncing ? " announcing" : "") + (slots.SkinRemoving ? " removing" : ""));
  };
  manager->SetSkinName(kTidewater);
  EXPECT_EQ(seen, (std::vector<std::string>{"1 changing announcing", "16 changing", "3 changing"}));

  // An internal skin whose data is damaged: the skin goes, the error comes out, no flag stays.
  TsStoredSkins broken;
  TsStoredSkin& item = broken.Add();
  item.Name = "Broken";
  const test::Bytes pack = testing::TestSkinPack();
  item.Data.WriteBuffer(pack.data(), static_cast<int64_t>(pack.size() / 2));
  manager->SetInternalSkins(broken);
  bool before = false, after = false;
  manager->OnBeforeChange = [&](TObject*) { before = true; };
  manager->OnAfterChange = [&](TObject*) { after = true; };
  seen.clear();
  EXPECT_THROW(manager->SetSkinName("Broken"), EReadError);
  EXPECT_TRUE(before);
  EXPECT_FALSE(after);
  EXPECT_EQ(seen, (std::vector<std::string>{"2 changing removing"}));
  EXPECT_FALSE(Shared().SkinChanging || Shared().SkinAnnouncing || Shared().SkinRemoving);
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  EXPECT_EQ(manager->GetSkinIndex("GLOBALINFO"), -1) << "nothing of a half-built skin is left";
}

TEST_F(SkinManagerTest, TheControlUnderTheMouseHearsThatItEnteredAndThePreviousOneThatItWasLeft) {
  TsSkinManager* manager = NewManager();
  TForm* other = application->CreateForm<TForm>();
  log.Watch(form->Handle(), "first");
  log.Watch(other->Handle(), "second");
  const LPARAM self = Param(manager);

  manager->SetActiveControl(form->Handle());
  manager->SetActiveControl(other->Handle());
  manager->SetActiveControl(other->Handle());
  manager->SetActiveControl(nullptr);
  EXPECT_TRUE(SequenceMatches(
      log.Entries(), {Command("first", SMC_MOUSE_ENTER, self, sent), Command("first", SMC_MOUSE_LEAVE, self, sent),
                      Command("second", SMC_MOUSE_ENTER, self, sent), Command("second", SMC_MOUSE_LEAVE, self, sent)}));
}

TEST_F(SkinManagerTest, FormsOfTheManagerStopRedrawingWhileTheSkinIsAnnounced) {
  TsSkinManager* manager = NewManager();
  manager->SetSkinName(kTidewater);
  form->Show();
  auto* provider = new TFakeProvider(form, manager);
  TForm* foreign = application->CreateForm<TForm>();
  foreign->Show();
  auto* foreignProvider = new TFakeProvider(foreign, nullptr);

  manager->AnnounceSkin();
  // The skin change animation (linked in with the skinned controls) turns redrawing off and on
  // around its own picture before the form redraws for good.
  EXPECT_EQ(provider->events,
            (std::vector<std::string>{"redraw off", "command 1", "command 16", "redraw off", "command 3", "redraw off",
                                      "redraw on", "redraw on", "region"}));
  EXPECT_EQ(foreignProvider->events, (std::vector<std::string>{"command 1", "command 16", "command 3"}));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));

  // A receiver that fails does not leave the form without repaints.
  provider->events.clear();
  label->onCommand = [](int code) {
    if (code == SMC_SKIN_SET) throw Exception("refused");
  };
  EXPECT_THROW(manager->AnnounceSkin(), Exception);
  EXPECT_EQ(provider->events, (std::vector<std::string>{"redraw off", "command 1", "redraw on", "region"}));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

// What the stand-in animation was asked to show.
std::vector<std::string>* animationEvents = nullptr;
std::vector<TCustomForm*> animatedForms;

TEST_F(SkinManagerTest, ARefreshShowsEachFormOfTheManagerThroughTheAnimationHandedOver) {
  TsSkinManager* manager = NewManager();
  manager->SetSkinName(kTidewater);
  manager->AnimEffects().SkinChanging.Time = 40;
  form->Show();
  auto* provider = new TFakeProvider(form, manager);
  TForm* foreign = application->CreateForm<TForm>();
  foreign->Show();
  new TFakeProvider(foreign, nullptr);
  animationEvents = &provider->events;
  animatedForms.clear();
  const TSkinChangeAnimation previous = SkinChangeAnimation();
  SetSkinChangeAnimation([](TCustomForm* shown, int durationCode) {
    animatedForms.push_back(shown);
    animationEvents->push_back("animate " + std::to_string(durationCode));
  });

  manager->RefreshSkin();
  // Systems from Windows Vista on show the change at once.
  const int durationCode = LOBYTE(LOWORD(GetVersion())) < 6 ? 40 : 0;
  EXPECT_EQ(provider->events,
            (std::vector<std::string>{"command 16", "redraw off", "command 3",
                                      "animate " + std::to_string(durationCode), "redraw on", "region"}));
  EXPECT_EQ(animatedForms, std::vector<TCustomForm*>{form}) << "only the forms of this manager";

  provider->events.clear();
  manager->AnimEffects().SkinChanging.Active = false;
  manager->RefreshSkin();
  EXPECT_EQ(provider->events,
            (std::vector<std::string>{"command 16", "redraw off", "command 3", "redraw on", "region"}));
  SetSkinChangeAnimation(previous);
}

}  // namespace
}  // namespace sundrel
