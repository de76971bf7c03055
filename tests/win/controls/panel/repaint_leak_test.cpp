// Repainting the panel, its effect label and an edit again and again leaves no GDI object and
// no window behind.
#include <gtest/gtest.h>

#include "controls/s_edit.h"
#include "controls/s_label_fx.h"
#include "controls/s_panel.h"
#include "leak_cycles.h"
#include "resource_count.h"
#include "tidewater_form.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using RepaintLeaks = TidewaterForm;

TEST_F(RepaintLeaks, RepaintsOfPanelLabelAndEditLeaveNothing) {
  TsPanel* panel = AddPanel(0, 0, 400, 80);
  auto* label = new TsLabelFX(form);
  label->SetBounds(10, 10, 200, 24);
  label->SetCaption("Sundrel");
  label->SetParent(panel);
  auto* edit = new TsEdit(form);
  edit->SetBounds(220, 10, 100, 21);
  edit->SetParent(panel);
  auto* other = new TsEdit(form);
  other->SetBounds(220, 40, 100, 21);
  other->SetParent(panel);
  auto repaint = [&](int i) {
    panel->SkinData().Invalidate();
    (i % 2 == 0 ? edit : other)->SetFocus();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  repaint(0);
  repaint(1);  // canvases make their fonts and brushes once
  Settle();
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) repaint(i);
  Settle();
  EXPECT_EQ(CountResources(), before);
}

}  // namespace
}  // namespace sundrel
