// The system colours that a skin's colour value may name instead of an RGB triple, and the scheme
// they resolve against.
#pragma once

#include "paint/color.h"

namespace sundrel {

// Answers the RGB value (0x00BBGGRR) of a system colour number; unknown numbers give black, as
// the system's own call does.
class SystemColors {
 public:
  virtual ~SystemColors() = default;
  virtual TColor SysColor(int number) const = 0;
};

// The classic Windows scheme: what the portable build and its tests resolve against.
const SystemColors& ClassicSystemColors();

// A system colour value becomes the colour it stands for; every other value, -1 ("no colour")
// included, comes back unchanged.
TColor ResolveColor(TColor color, const SystemColors& system);

}  // namespace sundrel
