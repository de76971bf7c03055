// Process-wide painting state. Everything runs on the user-interface thread; skin commands are
// sent, never posted, so their answers can travel through these variables.
#pragma once

#include <cstdint>

#include "paint/color.h"
#include "paint/pixels.h"

namespace sundrel {

// Where a parent's already composed picture is, so that transparent pixels of a child can be
// taken from it: the child's origin lies at (X, Y) of Image. Passed by value; the default (all
// zero) record means that there is no parent picture.
struct TacParentImage {
  TacPixels Image;  // 24-bit or 32-bit, not owned
  int32_t X = 0;
  int32_t Y = 0;
  bool Ready = false;
};

// The answer slot of the skin command by which a child asks its parent for its picture.
inline TacParentImage SharedParentImage;

// The colour of the parent surface while a control is composed without a parent picture: used
// instead of copying the parent (fills, the disabled look, corner repair). clFuchsia when unset.
inline TColor BackFillColor = clFuchsia;

// The colour that replaces key pixels of alpha-masked skin images when no parent picture is
// ready. clFuchsia when unset.
inline TColor KeyFillColor = clFuchsia;

}  // namespace sundrel
