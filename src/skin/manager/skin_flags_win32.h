// Process-wide states of the skin. Controls read them to skip repaints while a skin is being
// loaded, announced or removed. Everything runs on the user-interface thread.
#pragma once

#include <utility>

namespace sundrel {

inline bool SkinChanging = false;
inline bool SkinAnnouncing = false;
inline bool SkinRemoving = false;

// Raises a flag for a scope and gives it its previous value back on every way out, a failing
// load included, so that no flag is left raised and no control stays without repaints.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), previous_(std::exchange(flag, true)) {}
  ~FlagScope() { flag_ = previous_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace sundrel
