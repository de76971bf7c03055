#include "dialog_controls_fixture.h"

namespace sundrel::testing {

void DialogControlsTest::SetUp() {
  FrameworkTest::SetUp();
  form = application->CreateForm<TForm>();
  form->SetBounds(40, 40, 300, 200);
  manager = TidewaterManager(form, skins.Path());
  form->Show();
}

void DialogControlsTest::TearDown() {
  handlers.clear();
  FrameworkTest::TearDown();
}

}  // namespace sundrel::testing
