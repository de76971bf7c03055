#include "windows/auto/ac_provider.h"

#include <algorithm>
#include <string>

#include "framework/registrations.h"
#include "windows/auto/window_class_name.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {

namespace {

std::vector<TacProviderEntry*>& Entries() {
  static std::vector<TacProviderEntry*> entries;
  return entries;
}

TRegistrations<TacDialogSkinner>& DialogSkinners() {
  static TRegistrations<TacDialogSkinner> skinners;
  return skinners;
}

}  // namespace

TacProviderEntry::TacProviderEntry() {
  Entries().push_back(this);
}

TacProviderEntry::~TacProviderEntry() {
  std::erase(Entries(), this);
}

const std::vector<TacProviderEntry*>& ProviderList() {
  return Entries();
}

TacProviderEntry* ProviderOf(HWND window) {
  if (window == nullptr) return nullptr;
  const auto& entries = Entries();
  const auto found = std::find_if(entries.begin(), entries.end(), [window](const TacProviderEntry* entry) {
    return entry->ProvidedWindow() == window;
  });
  return found != entries.end() ? *found : nullptr;
}

TRemovalToken RegisterDialogSkinner(TacDialogSkinner skinner) {
  return DialogSkinners().Add(std::move(skinner));
}

TacProvider::TacProvider(TCustomForm& form) : TComponent(&form), form_(form) {}

void TacProvider::AttachForm(bool makeSkinMenu) {
  if (formProvider_ != nullptr) return;
  formProvider_ = new TsSkinProvider(&form_);
  FreeNotification(formProvider_);
  formProvider_->SetMakeSkinMenu(makeSkinMenu);
  formProvider_->SkinShownForm();
}

void TacProvider::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == formProvider_) formProvider_ = nullptr;
}

HWND TacProvider::ProvidedWindow() const {
  return form_.HandleAllocated() ? form_.Handle() : nullptr;
}

TacDialogProvider::TacDialogProvider(HWND dialog) : dialog_(dialog) {
  Attach(dialog);
}

TacDialogProvider::~TacDialogProvider() {
  // The handlers of the controls go before the dialog's own.
  childHandlers_.clear();
  dialogHandler_.reset();
}

bool TacDialogProvider::InitDialog() {
  const std::wstring className = WindowClassName(dialog_);
  if (className != L"#32770" && className != L"TMessageForm") return true;
  const auto& skinners = DialogSkinners().Entries();
  if (skinners.empty()) return true;
  // A copy: the skinner may register or unregister meanwhile.
  const TacDialogSkinner skinner = *skinners.back();
  return skinner(*this);
}

void TacDialogProvider::WndProc(TMessage& message, const TPassOn& passOn) {
  passOn(message);
  // A window made later may get the same handle: it must find no provider of this one.
  if (message.Msg == WM_NCDESTROY) dialog_ = nullptr;
}

}  // namespace sundrel
