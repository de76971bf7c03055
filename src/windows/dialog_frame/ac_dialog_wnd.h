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
#include "framework/bitmap.h"
#include "windows/dialog_frame/ac_system_menu.h"
#include "windows/provider/frame_parts.h"
#include "windows/provider/title_bar_mouse.h"
#include "windows/provider/title_buttons.h"
#include "windows/scroll/ac_scroll_wnd.h"

namespace sundrel {

class TacDialogProvider;

class TacDialogWnd : public TacScrollWnd, public TacTitleBarMouse {
 public:
  TacDialogWnd(HWND dialog, TacDialogProvider& provider);
  ~TacDialogWnd() override;

  // After the children have their handlers: remembers the style, decides the border kind, reads
  // the icon and takes WS_SYSMENU off.
  void SetUp();

  void RestoreNativeParams() override;

  int BorderKind = 1;
  bool DialogActive = true;
  bool RegionDirty = true;
  LONG SavedStyle = 0;
  LONG SavedExStyle = 0;

  int FrameWidth() const;
  int FrameHeight() const;
  int TitleHeight() const;
  std::vector<TacCaptionButton> CaptionButtons() override;
  int TitleHitTest(POINT screen) override;
  TacSystemMenu& SystemMenu() { return *systemMenu_; }

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  bool HandleSkinCommand(TMessage& message, const TPassOn& passOn);
  void ReadButtonMasks();
  // Lets the system store a new state, caption or enabled state with redrawing off, so that it
  // draws nothing of its own; the skinned frame shows the change after.
  void WithoutSystemDrawing(TMessage& message, const TPassOn& passOn);
  // The dialog made or changed controls of its own: they get their handlers, and all is redrawn.
  void ControlsChanged(TMessage& message, const TPassOn& passOn);
  // Only the rectangles that a dialog painted with "FORM" paints itself are erased by it.
  void EraseOwnPaintedParts(TMessage& message, const TPassOn& passOn);
  void Activated(TMessage& message, const TPassOn& passOn);
  void CtlColorDialog(TMessage& message);
  void ScanChildren();

  // dialog_frame_paint.cpp
  bool EnsurePicture();
  void PaintPicture();
  void PaintIcon(TBitmap& cache);
  void PaintCaption(TBitmap& cache);
  bool GripCell(TRect& cell) const;
  void PaintFrame();
  void RepaintFrame();
  void UpdateRegion();
  void PaintClient(TMessage& message, const TPassOn& passOn);
  // Leaves out of the client paint what the dialog's controls and its own parts paint.
  void ExcludeChildren(HDC dc);

  // dialog_title_mouse.cpp
  HWND TitleBarWindow() const override { return Window(); }
  TsSkinManager* TitleBarManager() const override { return SkinManager(); }
  void SystemHitTest(TMessage& message, const TPassOn& passOn) override;
  bool RepaintButtonAlone(int hitCode) override;
  void RepaintWholeFrame() override { RepaintFrame(); }
  void ShowSystemMenu(int x, int y) override;
  void ShowSystemMenuUnderIcon() override;
  void UpdateSystemMenu() override;
  bool CanToggleMaximized() override;
  void ButtonCommandDone(int hitCode) override;
  bool KeepsCaptionClick() override;

  TacDialogProvider& provider_;
  TacSystemMenuState menuState_;
  std::unique_ptr<TacSystemMenu> systemMenu_;
  TacButtonMasks masks_;
  HICON icon_ = nullptr;
  UniqueBrush dialogBrush_;
  TacButtonsBackground buttonsBackground_;
  bool firstPaintDone_ = false;
  bool parentUpdating_ = false;
};

}  // namespace sundrel
