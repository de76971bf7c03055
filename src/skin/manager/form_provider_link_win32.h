// What the skin manager needs of a form's skin provider: which manager's skin it paints, and
// that it reshapes the window after a skin change. A provider implements this next to being a
// component, and answers SMC_GET_PROVIDER on its form's window with itself (the component).
#pragma once

#include "framework/forms.h"

namespace sundrel {

class TsSkinManager;

class TacFormProviderLink {
 public:
  virtual TsSkinManager* SkinManager() const = 0;
  // Gives the window the region that the skin's frame asks for.
  virtual void UpdateRegion() = 0;

 protected:
  ~TacFormProviderLink() = default;
};

// The link of the provider that serves the form, or none (no window, no provider).
TacFormProviderLink* FormProviderLink(TCustomForm* form);

}  // namespace sundrel
