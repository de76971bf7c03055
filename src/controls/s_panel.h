// The skinned panel. Until the skin paints it, it is the plain framework control, with a window
// class of its own name so that the skinning can recognise it.
#pragma once

#include "framework/panel.h"

namespace sundrel {

class TsPanel : public TPanel {
 public:
  using TPanel::TPanel;
};

}  // namespace sundrel
