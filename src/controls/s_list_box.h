// The skinned list box. Until the skin paints it, it is the plain framework control, with a window
// class of its own name so that the skinning can recognise it.
#pragma once

#include "framework/list_box.h"

namespace sundrel {

class TsListBox : public TListBox {
 public:
  using TListBox::TListBox;
};

}  // namespace sundrel
