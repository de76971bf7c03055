// The helpers that skinned controls share: telling children that the parent finished, the
// colour behind a control, and the room that aligned children take.
#include "controls/skin_utilities.h"

#include <gtest/gtest.h>

#include "base/handles_win32.h"
#include "framework/forms.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework_test_support.h"
#include "message_recorder.h"
#include "skin_command_records.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;
using namespace sundrel::testing::message_flags;

class SkinUtilities : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    form->SetBounds(0, 0, 300, 200);
    form->HandleNeeded();
  }

  template <class T>
  T* Child(TWinControl* parent) {
    auto* child = new T(parent);
    child->SetParent(parent);
    return child;
  }

  FreshSlots fresh;
  TForm* form = nullptr;
};

TEST_F(SkinUtilities, TheEndOfAParentsUpdateReachesItsChildWindowsOnly) {
  auto* first = Child<TPanel>(form);
  auto* label = Child<TLabel>(form);
  auto* inner = Child<TPanel>(first);  // a grandchild: its own parent tells it
  auto* second = Child<TPanel>(form);
  TMessageRecorder log = SkinCommandRecorder();
  log.Watch(*first, "first");
  log.Watch(*label, "label");
  log.Watch(*inner, "inner");
  log.Watch(*second, "second");

  ChildrenUpdateEnded(form);

  EXPECT_TRUE(SequenceMatches(
      log.Entries(), {Command("first", SMC_PARENT_UPDATED, 0, sent), Command("second", SMC_PARENT_UPDATED, 0, sent)}));
}

TEST_F(SkinUtilities, TheEndOfAPlainWindowsUpdateReachesItsChildWindows) {
  UniqueWindow host(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr));
  HWND a = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, host.get(), nullptr, nullptr, nullptr);
  HWND b = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 5, 5, host.get(), nullptr, nullptr, nullptr);
  HWND popup = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 5, 5, host.get(), nullptr, nullptr, nullptr);
  TMessageRecorder log = SkinCommandRecorder();
  log.Watch(a, "a");
  log.Watch(b, "b");
  log.Watch(popup, "owned");

  ChildWindowsUpdateEnded(host.get());

  // In the child order, whichever the system keeps; owned windows are no children.
  const char* first = GetWindow(host.get(), GW_CHILD) == a ? "a" : "b";
  const char* second = first[0] == 'a' ? "b" : "a";
  EXPECT_TRUE(SequenceMatches(
      log.Entries(), {Command(first, SMC_PARENT_UPDATED, 0, sent), Command(second, SMC_PARENT_UPDATED, 0, sent)}));
  DestroyWindow(popup);
}

TEST_F(SkinUtilities, TheColourBehindAControlWithoutSkinIsItsOwnResolved) {
  auto* panel = Child<TPanel>(form);
  panel->SetColor(0x00ABCDEF);
  EXPECT_EQ(GetParentColor(panel), 0x00ABCDEF);
  panel->SetColor(clBtnFace);
  EXPECT_EQ(GetParentColor(panel), ColorToRGB(clBtnFace));
  EXPECT_EQ(Shared().BackFillColor, clFuchsia);
}

TEST_F(SkinUtilities, AlignedSizesAddUpTheVisibleChildrenOfOneAlignment) {
  const auto add = [&](TControl* child, TAlign align, int size, bool visible = true) {
    child->SetParent(form);
    child->SetBounds(0, 0, size, size);
    child->SetAlign(align);
    child->SetVisible(visible);
  };
  add(new TPanel(form), alTop, 20);
  add(new TPanel(form), alTop, 10, false);
  add(new TLabel(form), alTop, 7);
  add(new TPanel(form), alBottom, 5);
  add(new TPanel(form), alLeft, 30);
  add(new TPanel(form), alLeft, 4);

  struct Case {
    TAlign align;
    bool graphic;
    int sum;
  };
  const Case cases[] = {
      {alTop, false, 20}, {alTop, true, 27}, {alBottom, false, 5}, {alLeft, false, 34}, {alRight, true, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "align " << c.align << " graphic " << c.graphic);
    EXPECT_EQ(SumAlignedSizes(form, c.align, c.graphic), c.sum);
  }
}

}  // namespace
}  // namespace sundrel
