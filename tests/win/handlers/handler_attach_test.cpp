// Attaching a handler to a window and letting go of it: the "ACSBSC" property lives exactly as
// long as the attachment, a subclass made later survives the handler, a window that goes first
// leaves the handler inert, and many cycles leave nothing behind.
#include <gtest/gtest.h>

#include "controls/skin_utilities.h"
#include "framework/window_subclass.h"
#include "leak_cycles.h"
#include "message_recorder.h"
#include "resource_count.h"
#include "scroll_list_fixture.h"
#include "windows/handlers/scroll_handler.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using HandlerAttach = ScrollListTest;

TEST_F(HandlerAttach, PropertyNamesTheHandlerExactlyWhileAttached) {
  EXPECT_EQ(TacMainWnd::Find(list), handler.get());
  EXPECT_EQ(GetPropW(list, kHandlerProperty), handler.get());
  FreeHandler(handler);
  EXPECT_EQ(handler, nullptr);
  EXPECT_EQ(TacMainWnd::Find(list), nullptr);
  EXPECT_EQ(GetPropW(list, kHandlerProperty), nullptr);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), kItems);
}

TEST_F(HandlerAttach, SubclassMadeLaterKeepsWorkingAfterTheHandlerGoes) {
  int seen = 0;
  TWindowSubclass later(list, [&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == LB_GETCOUNT) ++seen;
    passOn(message);
  });
  FreeHandler(handler);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), kItems);
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(TacMainWnd::Find(list), nullptr);
}

TEST_F(HandlerAttach, WindowDestroyedFirstLeavesTheHandlerInert) {
  DestroyWindow(list);
  EXPECT_TRUE(handler->Detached);
  EXPECT_FALSE(handler->Attached());
  EXPECT_EQ(handler->VertBar(), nullptr);
  handler.reset();  // touches no window
}

TEST_F(HandlerAttach, TextPassesOnceAndUiStateNeverArrives) {
  TMessageRecorder recorder(Messages({WM_SETTEXT, WM_UPDATEUISTATE}));
  FreeHandler(handler);
  recorder.Watch(list, "list");  // under the handler: what the list box itself gets
  handler = Attach(list);
  SendMessageW(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Parts"));
  SendMessageW(list, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  EXPECT_TRUE(SequenceMatches(recorder.Entries(), {{"list", WM_SETTEXT, sent}}));
  EXPECT_EQ(handler->Caption, "Parts");
}

TEST_F(HandlerAttach, ControlOwnTimersPassWhileBarTimersAreConsumed) {
  TMessageRecorder recorder(Messages({WM_TIMER}));
  FreeHandler(handler);
  recorder.Watch(list, "list");
  handler = Attach(list);
  recorder.Watch(list, "outside");
  SendMessageW(list, WM_TIMER, 5, 0);
  for (UINT_PTR id : {kFirstRepeatTimer, kRepeatTimer, kHoverTimer}) SendMessageW(list, WM_TIMER, id, 0);
  EXPECT_TRUE(SequenceMatches(recorder.Entries(), {{"outside", WM_TIMER, sent | wparam, 5},
                                                   {"list", WM_TIMER, sent | wparam, 5},
                                                   {"outside", WM_TIMER, sent | wparam, kFirstRepeatTimer},
                                                   {"outside", WM_TIMER, sent | wparam, kRepeatTimer},
                                                   {"outside", WM_TIMER, sent | wparam, kHoverTimer}}));
}

TEST_F(HandlerAttach, AttachAndFreeCyclesLeakNothing) {
  FreeHandler(handler);
  const auto cycle = [&] {
    auto made = Attach(list);
    made->PaintBars();
    FreeHandler(made);
  };
  cycle();  // the first one loads what stays loaded (fonts, the theme module)
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) cycle();
  EXPECT_EQ(CountResources(), before);
}

// A control's skin data asks for its handler; the handler hooks the control, not its window.
class ScrollHandlerEntry : public TidewaterControls {};

TEST_F(ScrollHandlerEntry, FollowsTheSkinOfTheControlsData) {
  auto* edit = ChildOf<TSkinnedEdit>(parent, "EDIT");
  edit->SetBounds(10, 60, 120, 60);
  std::unique_ptr<TacEditWnd> scroll;
  EnsureScrollHandler(edit->data, scroll);
  ASSERT_NE(scroll, nullptr);
  EXPECT_EQ(TacMainWnd::Find(edit->Handle()), scroll.get());
  EXPECT_EQ(scroll->SkinData(), &edit->data);
  TacEditWnd* first = scroll.get();
  EnsureScrollHandler(edit->data, scroll);
  EXPECT_EQ(scroll.get(), first);

  manager->SetActive(false);
  EnsureScrollHandler(edit->data, scroll);
  EXPECT_EQ(scroll, nullptr);
  EXPECT_EQ(TacMainWnd::Find(edit->Handle()), nullptr);
}

TEST_F(ScrollHandlerEntry, ControlFreeingItsHandlerFromInsideAMessageIsSafe) {
  auto* edit = ChildOf<TSkinnedEdit>(parent, "EDIT");
  std::unique_ptr<TacEditWnd> scroll;
  // The control hears the skin going after the handler has, and frees the handler there.
  const TRemovalToken freeing = edit->MessageHooks().Add([&](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == SM_SKINCMD && SkinCommandCode(message.WParam) == SMC_SKIN_REMOVED) FreeHandler(scroll);
    passOn(message);
  });
  EnsureScrollHandler(edit->data, scroll);
  ASSERT_NE(scroll, nullptr);
  SendSkinCommand(edit->Handle(), SMC_SKIN_REMOVED, reinterpret_cast<LPARAM>(manager));
  EXPECT_EQ(scroll, nullptr);
  EXPECT_EQ(TacMainWnd::Find(edit->Handle()), nullptr);
  EXPECT_EQ(SendSkinCommand(edit->Handle(), SMC_IS_SKINNED), 0);
}

}  // namespace
}  // namespace sundrel
