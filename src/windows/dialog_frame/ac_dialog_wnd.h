// The frame of a system dialog ("#32770": message boxes, the open and save dialogs) painted from
// the skin: border, title bar with the dialog's icon and caption, caption buttons, the client
// background behind the dialog's controls and the window region from the skin's corners. The
// frame widths, title height and client rectangle stay the system's. WS_SYSMENU is taken off
// while skinned, so the system neither draws nor answers its own caption buttons; the handler
// hit-tests and presses them itself and offers its own system menu. The dialog lends its picture
// to its controls' handlers, which its provider makes (also for controls that come later).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "base/handles_win32.h"
#include "windows/dialog_frame/ac_system_menu.h"
#include "windows/provider/title_buttons.h"
#include "windows/scroll/ac_scroll_wnd.h"

namespace sundrel {

class TacDialogProvider;

class TacDialogWnd : public TacScrollWnd {
 public:
  TacDialogWnd(HWND dialog, TacDialogProvider& provider);
  ~TacDialogWnd() override;

  // After the children have their handlers: remembers the style, decides the border kind, reads
  // the icon and takes WS_SYSMENU off.
  void SetUp();

  void RestoreNativeParams() override;

  int BorderKind = 1;
  int HotButton = 0;  // the hit code of the caption button under the mouse or pressed, 0 for none
  bool DialogActive = true;
  bool RegionDirty = true;
  LONG SavedStyle = 0;
  LONG SavedExStyle = 0;

  int FrameWidth() const;
  int FrameHeight() const;
  int TitleHeight() const;
  // The caption buttons as they are shown now, from the right; painted and hit-tested alike.
  std::vector<TacCaptionButton> CaptionButtons() const;
  // WM_NCHITTEST at a point of the screen as the title bar and grip answer it; HTNOWHERE where
  // the system's answer stands.
  int TitleHitTest(POINT screen) const;
  TacSystemMenu& SystemMenu() { return *systemMenu_; }

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  bool HandleSkinCommand(TMessage& message, const TPassOn& passOn);
  void ReadButtonMasks();
  // Lets the system store a new state or caption while a cover hides what it draws there.
  void UnderCover(TMessage& message, const TPassOn& passOn);
  void Activated(TMessage& message, const TPassOn& passOn);
  void CtlColorDialog(TMessage& message);
  void ScanChildren();

  // dialog_frame_paint.cpp
  bool EnsurePicture();
  void PaintPicture();
  void PaintIcon(TBitmap& cache);
  void PaintCaption(TBitmap& cache);
  bool GripCell(RECT& cell) const;
  void PaintFrame();
  void RepaintFrame();
  void UpdateRegion();
  void PaintClient(TMessage& message, const TPassOn& passOn);
  // Leaves out of the client paint what the dialog's controls and its own parts paint.
  void ExcludeChildren(HDC dc);
  int ButtonState(int hitCode) const;

  // dialog_title_mouse.cpp
  bool HandleMouse(TMessage& message, const TPassOn& passOn);
  void SetHot(int hitCode);
  void Press(int hitCode);
  void Release(POINT screen);
  void Click(int hitCode);
  void DoubleClick(int hitCode);
  void ShowSystemMenu(int x, int y);
  void TrackLeave();
  void SystemCommand(WPARAM command);

  TacDialogProvider& provider_;
  TacSystemMenuState menuState_;
  std::unique_ptr<TacSystemMenu> systemMenu_;
  int closeMask_ = -1, maximizeMask_ = -1, minimizeMask_ = -1, helpMask_ = -1, restoreMask_ = -1;
  HICON icon_ = nullptr;
  UniqueBrush dialogBrush_;
  bool pressed_ = false;
  bool trackingLeave_ = false;
  bool firstPaintDone_ = false;
  bool parentUpdating_ = false;
};

}  // namespace sundrel
