// The skinned page control and its pages. Until the skin paints them, they are the plain
// framework controls with window classes of their own.
#pragma once

#include "framework/page_control.h"

namespace sundrel {

class TsPageControl : public TPageControl {
 public:
  using TPageControl::TPageControl;
};

class TsTabSheet : public TTabSheet {
 public:
  using TTabSheet::TTabSheet;
};

}  // namespace sundrel
