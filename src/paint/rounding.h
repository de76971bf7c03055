// Rounding as the processor does by default: to the nearest integer, ties to even. Used only
// inside the painting library, which is built to compute in IEEE double precision (SSE) on every
// target, so that results do not depend on the x87 unit's wider registers.
#pragma once

#include <cfloat>
#include <cstdint>

static_assert(FLT_EVAL_METHOD == 0, "the painting code must be compiled with SSE arithmetic (-mfpmath=sse)");

namespace sundrel {

// Adding 1.5 * 2^52 leaves no bits for a fraction, so the addition itself rounds (ties to even);
// exact for |x| < 2^51, and simple enough for the compiler to vectorise.
inline int RoundHalfEven(double x) {
  constexpr double kShift = 6755399441055744.0;
  return static_cast<int>((x + kShift) - kShift);
}

// numerator / denominator, exactly, rounded with ties to even (denominator > 0).
inline int64_t DivRoundHalfEven(int64_t numerator, int64_t denominator) {
  int64_t quotient = numerator / denominator;
  int64_t rest = numerator % denominator;
  if (rest < 0) --quotient, rest += denominator;  // floor division
  if (2 * rest > denominator || (2 * rest == denominator && (quotient & 1) != 0)) ++quotient;
  return quotient;
}

}  // namespace sundrel
