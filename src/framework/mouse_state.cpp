#include "framework/mouse_state.h"

#include "framework/control.h"
#include "framework/hint.h"
#include "framework/messages.h"

namespace sundrel {

namespace {
TControl* mouseControl = nullptr;
TControl* captureControl = nullptr;
}  // namespace

void SetMouseControl(TControl* control) {
  if (control == mouseControl) return;
  TControl* previous = mouseControl;
  mouseControl = control;
  if (previous != nullptr) previous->Perform(CM_MOUSELEAVE);
  if (control != nullptr && control == mouseControl) control->Perform(CM_MOUSEENTER);
  HintMouseEntered(mouseControl);
}

TControl* MouseControl() {
  return mouseControl;
}

void SetCaptureControl(TControl* control) {
  captureControl = control;
}

TControl* CaptureControl() {
  return captureControl;
}

void ForgetMouseControl(TControl* control) {
  if (mouseControl == control) {
    mouseControl = nullptr;
    CancelHint();
  }
  if (captureControl == control) captureControl = nullptr;
}

}  // namespace sundrel
