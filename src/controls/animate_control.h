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

// The animation's first step ahead of a change that it is to show (a page about to be switched):
// the control stops redrawing, the screen under it is kept as the old picture and the output
// window covers it. The next AnimateControl of that control goes on from there;
// CancelControlAnimation (a change that was vetoed) lets the control redraw and takes the output
// window away. Nothing happens while another animation shows.
void PrepareControlAnimation(TWinControl* control);
void CancelControlAnimation();

// Lets the skin manager animate its forms with AnimateControl when the skin changes.
void RegisterSkinChangeAnimation();

}  // namespace sundrel
