#include "skin/manager/form_provider_link_win32.h"

#include "skin/manager/skin_command_win32.h"

namespace sundrel {

TacFormProviderLink* FormProviderLink(TCustomForm* form) {
  if (!form->HandleAllocated()) return nullptr;
  auto* provider = reinterpret_cast<TComponent*>(SendSkinCommand(form->Handle(), SMC_GET_PROVIDER));
  return dynamic_cast<TacFormProviderLink*>(provider);
}

}  // namespace sundrel
