// The skinned push button. Until the skin paints it, it is the plain framework control, with a window
// class of its own name so that the skinning can recognise it.
#pragma once

#include "framework/button.h"

namespace sundrel {

class TsButton : public TButton {
 public:
  using TButton::TButton;
};

}  // namespace sundrel
