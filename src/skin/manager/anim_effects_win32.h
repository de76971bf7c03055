// The skin manager's animation settings, which skinned forms, pages and buttons consult.
#pragma once

#include <cstdint>

namespace sundrel {

class TsSkinManager;

enum TacBtnEvent : unsigned { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };
using TacBtnEvents = unsigned;
inline constexpr TacBtnEvents kAllBtnEvents = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;

// The button events that fade, read by every fading button. Only the default manager writes it.
inline TacBtnEvents ButtonEvents = kAllBtnEvents;

// Whether a kind of change is animated, and for how long (milliseconds).
struct TacFormAnimation {
  bool Active = true;
  uint16_t Time = 0;
};
struct TacFormShow : TacFormAnimation {};
struct TacPageChange : TacFormAnimation {};
struct TacDialogShow : TacFormAnimation {
  TacDialogShow() { Time = 100; }
};
struct TacSkinChanging : TacFormAnimation {
  TacSkinChanging() { Time = 100; }
};

class TacBtnEffects {
 public:
  explicit TacBtnEffects(TsSkinManager& manager) : manager_(manager) {}
  TacBtnEvents Events() const { return events_; }
  // Stored; on the default manager also given to every fading button (ButtonEvents).
  void SetEvents(TacBtnEvents events);

 private:
  TsSkinManager& manager_;
  TacBtnEvents events_ = kAllBtnEvents;
};

struct TacAnimEffects {
  explicit TacAnimEffects(TsSkinManager& manager) : Buttons(manager) {}
  TacBtnEffects Buttons;
  TacDialogShow DialogShow;
  TacFormShow FormShow;
  TacPageChange PageChange;
  TacSkinChanging SkinChanging;
};

}  // namespace sundrel
