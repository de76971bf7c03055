// The show animation of a window (a page change, a form being shown, a skin change): while the
// control redraws itself out of sight, a temporary output window ("acOutputWindow") over it fades
// from the old screen to the new picture.
#pragma once

#include "framework/win_control.h"

namespace sundrel {

// A duration code below 8 shows the new picture at once; otherwise code div 8 steps of 8 ms.
// The control redraws again afterwards, and the output window and every bitmap are gone, on every
// way out. Nothing happens for a control without a window or of no size, or while another
// animation runs.
void AnimateControl(TWinControl* control, int durationCode);

// Lets the skin manager animate its forms with AnimateControl when the skin changes.
void RegisterSkinChangeAnimation();

}  // namespace sundrel
