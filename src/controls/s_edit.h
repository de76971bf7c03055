// The skinned single-line edit. Until the skin paints it, it is the plain framework control, with a window
// class of its own name so that the skinning can recognise it.
#pragma once

#include "framework/edit.h"

namespace sundrel {

class TsEdit : public TEdit {
 public:
  using TEdit::TEdit;
};

}  // namespace sundrel
