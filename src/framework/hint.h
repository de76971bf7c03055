// Hints: the short help text of a control (its Hint, when ShowHint is set), shown in a tooltip
// near the mouse once it has rested on the control for a moment.
#pragma once

namespace sundrel {

class TControl;

inline constexpr unsigned kHintPauseMs = 500;

// The mouse moved onto this control (or off every control, for nullptr).
void HintMouseEntered(TControl* control);
// Hides the hint at once (a click, or the control going away).
void CancelHint();

}  // namespace sundrel
