#include "windows/auto/auto_skinning.h"

#include <algorithm>
#include <string>

#include "framework/handler_registry.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/auto/ac_provider.h"
#include "windows/auto/window_class_name.h"
#include "windows/provider/title_cover.h"

namespace sundrel {

namespace {

bool SameClass(const std::wstring& a, const wchar_t* b) {
  return CompareStringOrdinal(a.c_str(), -1, b, -1, TRUE) == CSTR_EQUAL;
}

TCustomForm* FrameworkForm(HWND window) {
  for (TCustomForm* form : Forms()) {
    if (form->HandleAllocated() && form->Handle() == window) return form;
  }
  return nullptr;
}

bool HasToolBar(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (SameClass(WindowClassName(child), L"ToolbarWindow32") || HasToolBar(child)) return true;
  }
  return false;
}

// A box that a skinned file dialog raises over itself (replace the file?) stays native; a second
// file dialog (it has a tool bar) is skinned.
bool RaisedOverSkinnedDialog(HWND window) {
  const auto& entries = ProviderList();
  const bool dialogShown = std::any_of(entries.begin(), entries.end(), [](const TacProviderEntry* entry) {
    return entry->ServesDialog() && entry->ProvidedWindow() != nullptr && IsWindowVisible(entry->ProvidedWindow());
  });
  return dialogShown && !HasToolBar(window);
}

void SkinForm(TCustomForm& form, const std::wstring& className, TacSkinningRules rules) {
  const bool messageForm = className == L"TMessageForm";
  const bool wanted =
      messageForm ? (rules & srStdDialogs) != 0 : (rules & srStdForms) != 0 && form.Tag() != kNotSkinnedTag;
  if (!wanted) return;
  auto* provider = new TacProvider(form);
  provider->AttachForm(!messageForm);
}

}  // namespace

std::unique_ptr<TWindowHandler> SkinOnActivation(HWND window) {
  const TsSkinManager* manager = DefaultManager();
  // The system also tells of an activation of no window at all (the last active one went).
  if (manager == nullptr || !IsWindow(window) || SendSkinCommand(window, SMC_IS_SKINNED) == 1 ||
      ProviderOf(window) != nullptr) {
    return nullptr;
  }
  const std::wstring className = WindowClassName(window);
  if (className == L"TApplication" || className == L"TQRStandardPreview") return nullptr;
  const TacSkinningRules rules = manager->SkinningRules();
  if (TCustomForm* form = FrameworkForm(window)) {
    SkinForm(*form, className, rules);
    return nullptr;
  }
  if ((rules & srStdDialogs) == 0 || RaisedOverSkinnedDialog(window)) return nullptr;
  auto provider = std::make_unique<TacDialogProvider>(window);
  if (!provider->InitDialog()) return nullptr;
  return provider;
}

TRemovalToken SkinWindowsAutomatically() {
  return RegisterHandlerFactory(L"", THandlerMoment::Activated, &SkinOnActivation);
}

}  // namespace sundrel
