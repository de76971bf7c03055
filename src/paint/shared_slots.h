// The values that the process shares outside any call's arguments, gathered in one object: the
// answers of skin commands, the painting colours of the control being composed, the skin's
// states and the forms that a skin provider serves. Everything runs on the user-interface
// thread; skin commands are sent, never posted, so an answer written here during the send is
// still here when the send returns.
//
// A slot is set for a scope (SlotScope) that gives the previous value back on every way out, so
// nothing stays set after a failure, and a test starts afresh with FreshSlots instead of
// clearing each value by hand.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

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

// Named only through pointers here: the slots stay below the window framework.
class TComponent;

struct SharedSlots {
  // The answer of SMC_GET_CACHE, by which a child asks its parent for its picture.
  TacParentImage ParentImage;
  // The colour of the parent surface while a control is composed without a parent picture: used
  // instead of copying the parent (fills, the disabled look, corner repair). It is also the
  // answer of SMC_GET_COLOR. clFuchsia when unset.
  TColor BackFillColor = clFuchsia;
  // The colour that replaces key pixels of alpha-masked skin images when no parent picture is
  // ready. clFuchsia when unset.
  TColor KeyFillColor = clFuchsia;
  // A skin is being loaded, announced or removed: controls skip their repaints meanwhile.
  bool SkinChanging = false;
  bool SkinAnnouncing = false;
  bool SkinRemoving = false;
  // The forms that a skin provider serves. A provider appends its form when it takes the form
  // over and empties its entry (nullptr) when it goes, so entries keep their places.
  std::vector<TComponent*> FormsWithProvider;
};

// The process's one set of slots.
inline SharedSlots& Shared() {
  static SharedSlots slots;
  return slots;
}

// Sets a slot for a scope and gives it its previous value back on every way out.
template <class T>
class SlotScope {
 public:
  SlotScope(T& slot, T value) : slot_(slot), previous_(std::exchange(slot, std::move(value))) {}
  ~SlotScope() { slot_ = std::move(previous_); }
  SlotScope(const SlotScope&) = delete;
  SlotScope& operator=(const SlotScope&) = delete;

 private:
  T& slot_;
  T previous_;
};

// Every slot at its starting value while this lives; the values before come back afterwards.
class FreshSlots {
 public:
  FreshSlots() : previous_(std::exchange(Shared(), SharedSlots())) {}
  ~FreshSlots() { Shared() = std::move(previous_); }
  FreshSlots(const FreshSlots&) = delete;
  FreshSlots& operator=(const FreshSlots&) = delete;

 private:
  SharedSlots previous_;
};

}  // namespace sundrel
