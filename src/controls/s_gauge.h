// The skinned progress bar ("GAUGE" section). Until the skin paints it, it is the plain framework
// control, with a window class of its own name so that the skinning can recognise it.
#pragma once

#include "framework/progress_bar.h"

namespace sundrel {

class TsGauge : public TProgressBar {
 public:
  using TProgressBar::TProgressBar;
};

}  // namespace sundrel
