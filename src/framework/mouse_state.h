// The process's one mouse: which control it is over (for the enter and leave notifications) and
// which windowless control holds it while a button is down.
#pragma once

namespace sundrel {

class TControl;

// Tells the previous control that the mouse left and the new one that it entered.
void SetMouseControl(TControl* control);
TControl* MouseControl();
void SetCaptureControl(TControl* control);
TControl* CaptureControl();
// A control that goes is no longer told anything.
void ForgetMouseControl(TControl* control);

}  // namespace sundrel
