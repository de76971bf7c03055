#include "skin/manager/skin_change_animation_win32.h"

namespace sundrel {

namespace {

TSkinChangeAnimation animation = nullptr;

}  // namespace

void SetSkinChangeAnimation(TSkinChangeAnimation newAnimation) {
  animation = newAnimation;
}

TSkinChangeAnimation SkinChangeAnimation() {
  return animation;
}

}  // namespace sundrel
