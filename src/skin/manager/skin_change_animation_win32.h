// How a form shows that the skin changed. Animating a window belongs to the skinned controls,
// which stand above the manager: they hand the manager their animation here. Without one the
// forms simply redraw.
#pragma once

namespace sundrel {

class TCustomForm;

using TSkinChangeAnimation = void (*)(TCustomForm* form, int durationCode);

void SetSkinChangeAnimation(TSkinChangeAnimation animation);
// The animation handed over, or none.
TSkinChangeAnimation SkinChangeAnimation();

}  // namespace sundrel
