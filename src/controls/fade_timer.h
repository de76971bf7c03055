// The cross-fade of a control's old picture into its new one: every 10 ms one more share of the
// new cache is laid over the picture that was shown when the change began, and the frame goes to
// the control's window. The timer runs on the control's own window, so it can never outlive it.
#pragma once

#include "base/handles_win32.h"
#include "controls/s_common_data.h"
#include "framework/bitmap.h"
#include "framework/win_control.h"

namespace sundrel {

// The identifier of the fading timer on its control's window (WM_TIMER's wParam).
inline constexpr UINT_PTR kFadeTimerId = 0xFADE;
inline constexpr UINT kFadeInterval = 10;

class TsFadeTimer {
 public:
  // The owner must have a window; the skin data holds the cache that the fade ends on.
  TsFadeTimer(TWinControl& owner, TsCommonData& data);
  TsFadeTimer(const TsFadeTimer&) = delete;
  TsFadeTimer& operator=(const TsFadeTimer&) = delete;

  // Begins a fade from the picture (what the owner shows now) over the given number of frames.
  // A fade that is under way turns back from where it is, over as many frames as it had shown.
  void Start(const TBitmap& shownPicture, int iterations);
  // One frame; false when the fade is over (or cannot go on) and the timer should go.
  bool Step();

  bool Running() const { return running_; }
  int Iterations() const { return iterations_; }
  int Level() const { return level_; }
  // What the owner shows now: the last frame, or the starting picture before the first one.
  const TBitmap& Frame() const { return frame_; }

 private:
  void DrawFrame();

  TWinControl& owner_;
  TsCommonData& data_;
  UniqueTimer timer_;
  bool running_ = false;
  int iterations_ = 0;
  int level_ = 1;
  TBitmap start_;
  TBitmap frame_;
};

}  // namespace sundrel
