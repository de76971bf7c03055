// The skinned push button: its whole picture (background, border image, caption, focus frame,
// disabled look) is composed in its cache and copied to its window in one block, its window is
// clipped to the border's opaque corner pixels, and a change of state (mouse enters or leaves,
// button pressed or released) cross-fades the old picture into the new one.
//
// Without an active skin it is the plain framework button and the system paints it.
#pragma once

#include <memory>

#include "base/handles_win32.h"
#include "controls/fade_timer.h"
#include "controls/s_common_data.h"
#include "framework/button.h"
#include "framework/removal_token.h"
#include "paint/disabled_look.h"

namespace sundrel {

// The state changes that fade; aeGlobalDef takes the skin manager's set (ButtonEvents).
enum TacAnimatEvent : unsigned { aeMouseEnter = 1, aeMouseLeave = 2, aeMouseDown = 4, aeMouseUp = 8, aeGlobalDef = 16 };
using TacAnimatEvents = unsigned;

class TsButton : public TButton {
 public:
  explicit TsButton(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind);
  // A button held down by the program shows pressed until it is let go.
  bool Down() const { return down_; }
  void SetDown(bool down);
  // How far the focus frame lies outside the caption.
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int margin);
  // Off: no focus frame, whatever the section says.
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool show);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents events) { animatEvents_ = events; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // 2 pressed, 1 hot, focused or the default button, 0 normal.
  int CurrentButtonState();
  // Composes the picture of the current state in the cache; makes the pending window region when
  // one is needed.
  void BuildCache();
  // Whether a fade runs (its timer exists).
  bool Fading() const { return fade_ != nullptr; }
  // The fade under way, or nullptr.
  const TsFadeTimer* Fade() const { return fade_.get(); }

 protected:
  void Loaded() override;
  void BeforeDestruction() override;
  void WndProc(TMessage& message) override;

 private:
  // Messages.
  bool HandleSkinCommand(TMessage& message);
  bool HandleSkinnedMessage(TMessage& message);
  void MouseDown();
  void MouseUp(POINT point);
  void MouseMove(POINT point);
  void CaptureLost();
  void MouseCrossed(bool entered);
  void SpaceDown();
  void SpaceUp();
  void FocusGained(TMessage& message);
  void FocusLost(TMessage& message);
  // The framework's (and the system's) handling with the window's redrawing off: the system
  // button would otherwise draw its own look over ours.
  void InheritedWithoutRedraw(TMessage& message);
  void Repaint();

  // Painting.
  void Paint(HDC dc);
  void DrawCaption(int state);
  RECT CaptionRect(TCanvas& canvas, const std::string& caption, UINT flags) const;
  bool ShowsPressed() const;
  UniqueRegion RegionOfPicture() const;
  void ApplyPendingRegion(HDC dc);

  // Fading.
  void StartFade(bool half, TacAnimatEvent event);
  void StopFade();
  void FadeTick();
  bool IsAnimated(TacAnimatEvent event) const;

  TsCommonData skinData_;
  TRemovalToken skinHook_;
  TsDisabledKind disabledKind_ = dkBlended;
  bool down_ = false;
  int focusMargin_ = 1;
  bool showFocus_ = true;
  bool wordWrap_ = true;
  TacAnimatEvents animatEvents_ = aeGlobalDef;
  // The left button went down on the button (and the press shows).
  bool mousePressed_ = false;
  // Between the left button's press and its release.
  bool pressInProgress_ = false;
  bool mouseOver_ = false;
  // The window region must be made anew (the button's size or picture changed).
  bool regionNeeded_ = true;
  // Made while the cache is built and given to the window at the next paint. It has this one
  // owner: a rebuild frees the previous one, and once given away it is the system's.
  UniqueRegion pendingRegion_;
  // Declared last so that it goes first: a fade never outlives the skin data it reads.
  std::unique_ptr<TsFadeTimer> fade_;
};

}  // namespace sundrel
