// Aligned children share their parent's client area side by side; anchored ones keep their
// distances when the parent changes size; layouts scale and windows snap to the screen's edges.
#include <gtest/gtest.h>

#include "framework/button.h"
#include "framework/forms.h"
#include "framework/label.h"
#include "framework/list_box.h"
#include "framework/panel.h"
#include "framework/screen.h"
#include "framework_test_support.h"

// RECT lives in the global namespace, where the comparisons look for these.
bool operator==(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != FALSE;
}

void PrintTo(const RECT& rect, std::ostream* out) {
  *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

namespace sundrel {
namespace {

class Alignment : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    form->SetClientSize(300, 200);
  }

  template <class T = TPanel>
  T* Add(TWinControl* parent, TAlign align, RECT bounds) {
    T* control = new T(form);
    control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->SetAlign(align);
    control->SetParent(parent);
    return control;
  }

  TForm* form = nullptr;
};

TEST_F(Alignment, AlignedControlsShareTheClientAreaInOrder) {
  auto* top = Add(form, alTop, {0, 0, 10, 30});
  auto* bottom = Add(form, alBottom, {0, 0, 10, 20});
  auto* left = Add(form, alLeft, {0, 0, 40, 10});
  auto* right = Add(form, alRight, {0, 0, 50, 10});
  auto* client = Add(form, alClient, {0, 0, 10, 10});
  struct Case {
    TControl* control;
    RECT expected;
  } cases[] = {
      {top, {0, 0, 300, 30}},       {bottom, {0, 180, 300, 200}}, {left, {0, 30, 40, 180}},
      {right, {250, 30, 300, 180}}, {client, {40, 30, 250, 180}},
  };
  for (const auto& test : cases) EXPECT_EQ(test.control->BoundsRect(), test.expected) << test.control->ClassName();

  // The same with real windows, after the form grows.
  form->HandleNeeded();
  form->SetClientSize(400, 300);
  EXPECT_EQ(client->BoundsRect(), (RECT{40, 30, 350, 280}));
  RECT window;
  GetWindowRect(client->Handle(), &window);
  MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&window), 2);
  EXPECT_EQ(window, (RECT{40, 30, 350, 280}));
}

TEST_F(Alignment, ControlsOnOneSideKeepTheirOrderAndHiddenOnesTakeNoRoom) {
  form->DisableAlign();  // as while a window is built: the positions given decide the order
  auto* lower = Add(form, alTop, {0, 50, 10, 70});
  auto* upper = Add(form, alTop, {0, 10, 10, 40});
  auto* hidden = Add(form, alTop, {0, 5, 10, 45});
  hidden->Hide();
  form->EnableAlign();
  EXPECT_EQ(upper->BoundsRect(), (RECT{0, 0, 300, 30}));
  EXPECT_EQ(lower->BoundsRect(), (RECT{0, 30, 300, 50}));
}

TEST_F(Alignment, AnchorsKeepTheDistancesToTheAnchoredEdges) {
  struct Case {
    TAnchors anchors;
    RECT expected;  // after the client area grows from 300 x 200 to 400 x 260
  } cases[] = {
      {akLeft | akTop, {100, 50, 160, 75}},
      {akRight | akBottom, {200, 110, 260, 135}},
      {akLeft | akRight | akTop, {100, 50, 260, 75}},
      {akLeft | akTop | akBottom, {100, 50, 160, 135}},
      {0, {150, 80, 210, 105}},  // neither side: moves by half the growth
  };
  for (const Case& test : cases) {
    auto* button = Add<TButton>(form, alNone, {100, 50, 160, 75});
    button->SetAnchors(test.anchors);
    form->SetClientSize(400, 260);
    EXPECT_EQ(button->BoundsRect(), test.expected) << "anchors " << test.anchors;
    button->Free();
    form->SetClientSize(300, 200);
  }
}

TEST_F(Alignment, ScalingMultipliesPositionsSizesAndOwnFonts) {
  auto* panel = Add(form, alNone, {10, 20, 110, 70});
  auto* label = new TLabel(form);
  label->SetAutoSize(false);
  label->SetBounds(4, 6, 50, 13);
  label->SetParent(panel);
  form->Font().SetHeight(-12);
  panel->Font().SetHeight(-10);  // its own
  auto* list = new TListBox(form);
  list->SetParent(form);
  list->SetItemHeight(14);
  form->ScaleBy(3, 2);
  EXPECT_EQ(list->ItemHeight(), 21);
  EXPECT_EQ(form->ClientWidth(), 450);
  EXPECT_EQ(form->ClientHeight(), 300);
  EXPECT_EQ(panel->BoundsRect(), (RECT{15, 30, 165, 105}));
  EXPECT_EQ(label->BoundsRect(), (RECT{6, 9, 81, 29}));  // 19 * 3 / 2 rounds up
  EXPECT_EQ(form->Font().Height(), -18);
  EXPECT_EQ(panel->Font().Height(), -15);
  EXPECT_EQ(label->Font().Height(), -15);  // follows its parent
}

TEST_F(Alignment, AFormMovedNearAWorkAreaEdgeSnapsToIt) {
  form->SetScreenSnap(true);
  form->SetBorderStyle(bsSingle);
  form->Show();
  const RECT work = WorkAreaOf(form->Handle());
  form->SetBounds(work.left + 7, work.top + 60, form->Width(), form->Height());
  EXPECT_EQ(form->Left(), work.left);
  EXPECT_EQ(form->Top(), work.top + 60);
  form->SetBounds(work.left + 60, work.bottom - form->Height() - 10, form->Width(), form->Height());
  EXPECT_EQ(form->Left(), work.left + 60);
  EXPECT_EQ(form->Top(), work.bottom - form->Height());
}

}  // namespace
}  // namespace sundrel
