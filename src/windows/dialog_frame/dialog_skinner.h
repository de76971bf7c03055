// Skinning a system dialog ("#32770") when it is first activated: a TacDialogWnd paints its frame,
// its controls get their handlers, a message box moves where the program asked it to appear.
#pragma once

#include "framework/removal_token.h"

namespace sundrel {

class TacDialogProvider;

// Gives the provider's dialog its handlers; false when the dialog must stay native.
bool SkinSystemDialog(TacDialogProvider& provider);

// System dialogs are skinned for as long as the token lives.
[[nodiscard]] TRemovalToken SkinSystemDialogs();

}  // namespace sundrel
