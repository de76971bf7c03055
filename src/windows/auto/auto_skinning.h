// Automatic skinning: windows that were not made skinned get their skin when they are first
// activated, as the default manager's SkinningRules allow. A framework form (the main window, a
// message window) gets a form skin provider made at run time; a window of the system gets a
// dialog provider (ac_provider.h). The skin manager's thread hook asks the handler registry,
// which this fills; neither the manager nor the framework knows of providers.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/removal_token.h"
#include "framework/window_handler.h"

namespace sundrel {

// Registers the skinning at activation for every window class without a factory of its own, for
// as long as the token lives.
[[nodiscard]] TRemovalToken SkinWindowsAutomatically();

// What happens when the window is activated: a framework form is skinned by a provider that it
// owns (nullptr is answered), a window of the system gets its dialog provider (answered, for the
// hook to own), anything else is left alone.
std::unique_ptr<TWindowHandler> SkinOnActivation(HWND window);

}  // namespace sundrel
