// Delivering one skin command to a whole control tree, and to every form of the application.
//
// A control whose window does not exist yet still hears a broadcast, through its message method:
// a broadcast never creates windows (the skin is announced while the main window is still being
// built, before it has any).
#pragma once

#include "framework/forms.h"
#include "framework/messages.h"

namespace sundrel {

// Passes the message to the control's children: windowless ones through their message method,
// skinned windowed ones (they answer SMC_IS_SKINNED) through their window, and unskinned windowed
// ones by passing it on to their own children. Each child gets a copy of the message. The walk
// reads the child count afresh at every step (receivers may add or free controls) and ends at the
// first child that is being destroyed.
void BroadcastToChildren(TWinControl* control, const TMessage& message);

// Delivers the command to every form and its controls. First the application's forms, from the
// last created to the first, except multi-document children, forms being loaded or destroyed and
// forms whose window already answers SMC_IS_SKINNED (their provider passes commands on itself);
// then every form that has a provider (Shared().FormsWithProvider). A multi-document parent's client window gets it as
// well.
void BroadcastToForms(int code, LPARAM lParam);

// The two multi-document cases, told by their windows: false and none while the form has no
// window.
bool IsMdiChild(TCustomForm* form);
HWND MdiClientOf(TCustomForm* form);

}  // namespace sundrel
