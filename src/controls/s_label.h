// The skinned labels of the main window: the plain text label and the credits line (which the
// skin will give its shadow). Skinned labels are created transparent, showing the parent's
// picture behind their text.
#pragma once

#include "framework/label.h"

namespace sundrel {

class TsLabel : public TLabel {
 public:
  explicit TsLabel(TComponent* owner) : TLabel(owner) { SetTransparent(true); }
};

class TsLabelFX : public TsLabel {
 public:
  using TsLabel::TsLabel;
};

}  // namespace sundrel
