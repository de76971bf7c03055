#include "provider_fixture.h"

#include "skin/manager/internal_skin_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/auto/auto_skinning.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel::testing {

TScreenShot SettledCapture(HWND window) {
  RECT area{};
  GetWindowRect(window, &area);
  return SettledCapture(area);
}

bool AnswersSkinned(HWND window) {
  return SendSkinCommand(window, SMC_IS_SKINNED) == 1;
}

TsSkinProvider* ProviderOfForm(TCustomForm* form) {
  return dynamic_cast<TsSkinProvider*>(
      reinterpret_cast<TComponent*>(SendSkinCommand(form->Handle(), SMC_GET_PROVIDER)));
}

bool ShowSkinned(TCustomForm& form) {
  form.Show();
  return PumpUntil([&] { return GetActiveWindow() == form.Handle() && AnswersSkinned(form.Handle()); }, 5000);
}

void ProviderTest::SetUp() {
  FrameworkTest::SetUp();
  skinning = SkinWindowsAutomatically();
}

void ProviderTest::TearDown() {
  FrameworkTest::TearDown();
  skinning.Remove();
}

TsSkinManager* ProviderTest::Manager() {
  if (manager_ == nullptr) {
    manager_ = new TsSkinManager(application.get());
    AddInternalSkin(manager_->InternalSkins());
    manager_->SetSkinName(kInternalSkinName);
  }
  return manager_;
}

TForm* ProviderTest::ShownForm(TFormBorderStyle border, TBorderIcons icons, const std::string& caption) {
  Manager();
  auto* form = new TForm(application.get());
  form->SetBorderStyle(border);
  form->SetBorderIcons(icons);
  form->SetCaption(caption);
  form->SetBounds(100, 100, 360, 220);
  form->Show();
  PumpUntil([&] { return GetActiveWindow() == form->Handle(); }, 5000);
  return form;
}

}  // namespace sundrel::testing
