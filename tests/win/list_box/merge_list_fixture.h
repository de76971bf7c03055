// The main window on its merge page, its merge list filled with 200 names: long enough to scroll.
#pragma once

#include "app/umain.h"
#include "list_box_fixture.h"

namespace sundrel::testing {

class MergeList : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<Tfrmmain>();
    form->Show();
    form->sPageControl1->SetActivePage(form->sTabSheet2);
    list = form->slst1;
    Fill(*list, 200);
    TidewaterForm::Settle();
  }

  Tfrmmain* form = nullptr;
  TsListBox* list = nullptr;
};

}  // namespace sundrel::testing
