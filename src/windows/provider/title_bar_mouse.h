// The mouse on a skinned title bar, as a form's provider and a system dialog's frame both handle
// it: hit testing with the system's answer for the borders, hot and pressed caption buttons, the
// button commands on release, double clicks, the system menu on the icon and on a right click.
// The frame that uses it says where its buttons are, how a changed button reaches the screen and
// where its system menu opens.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/control.h"
#include "windows/provider/title_buttons.h"

namespace sundrel {

class TsSkinManager;

class TacTitleBarMouse {
 public:
  // The hit code of the button that is hot or pressed, 0 for none.
  int HotButton() const { return hotButton_; }
  // WM_NCHITTEST at a point of the screen, as the title bar and grip answer it; HTNOWHERE where
  // the system's answer stands.
  virtual int TitleHitTest(POINT screen) = 0;
  // The title bar's buttons as they are shown now, from the right; painted and hit-tested alike.
  virtual std::vector<TacCaptionButton> CaptionButtons() = 0;

 protected:
  TacTitleBarMouse() = default;
  virtual ~TacTitleBarMouse() = default;

  // Answers whether the message was handled (fully) here.
  bool HandleMouse(TMessage& message, const TPassOn& passOn);
  // The button under the mouse turns hot and the old one normal; 0 clears.
  void SetHotButton(int hitCode);
  void PressButton(int hitCode);
  // Forgets the hot and pressed button without painting (the skin went).
  void ForgetButtons();
  // The state a button is painted in: 0 normal, 1 hot, 2 pressed.
  int ButtonState(int hitCode) const;

  virtual HWND TitleBarWindow() const = 0;
  virtual TsSkinManager* TitleBarManager() const = 0;
  // The system's answer to WM_NCHITTEST (borders, corners, the caption).
  virtual void SystemHitTest(TMessage& message, const TPassOn& passOn) = 0;
  // Repaints one button in its state, in the picture and on the window; false when the whole
  // frame must be painted for it (hidden, a stale picture, a button the kept background lacks).
  virtual bool RepaintButtonAlone(int hitCode) = 0;
  virtual void RepaintWholeFrame() = 0;
  virtual void ShowSystemMenu(int x, int y) = 0;
  // Where a click on the title icon shows it.
  virtual void ShowSystemMenuUnderIcon() = 0;
  virtual void UpdateSystemMenu() = 0;
  // Whether a double click on the caption may maximize or restore the window now.
  virtual bool CanToggleMaximized() = 0;
  // A button's command has run and the window is still there.
  virtual void ButtonCommandDone(int /*hitCode*/) {}
  // A button is pressed, or an extra title button released over itself.
  virtual void ExtraButtonDown(int /*hitCode*/, POINT /*screen*/) {}
  virtual void ExtraButtonClicked(int /*hitCode*/, POINT /*screen*/) {}
  // A click on the caption that the window keeps from the system (a maximized dialog's title).
  virtual bool KeepsCaptionClick() { return false; }
  // A double click on a button or the frame; swallowed unless the frame says otherwise.
  virtual void OtherDoubleClick(TMessage& /*message*/, const TPassOn& /*passOn*/) {}

  static bool IsButton(int hitCode);

 private:
  // Brings the buttons whose state changed to the screen; either code may be 0.
  void ButtonsChanged(int previous, int current);
  void ReleaseButton(POINT screen);
  void ClickButton(int hitCode, POINT screen);
  void SystemCommand(WPARAM command);
  bool ButtonDown(TMessage& message);
  void DoubleClick(TMessage& message, const TPassOn& passOn);
  void TrackLeave();

  int hotButton_ = 0;
  bool pressed_ = false;  // the hot button is held down
  bool trackingLeave_ = false;
};

}  // namespace sundrel
