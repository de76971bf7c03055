// The push button of a system dialog, painted from the "BUTTON" section: pressed, hot (focused,
// hovered, or the dialog's default button while nothing else is), disabled; its caption centred in
// the section's font colours. The native button keeps its keyboard, mouse and notifications.
//
// Painting is split into operations that a button with a glyph overrides (DrawGlyph, GlyphSize,
// CaptionRect, MaxCaptionWidth).
#pragma once

#include "windows/handlers/ac_main_wnd.h"

namespace sundrel {

class TacBtnWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;

  // 2 pressed, 0 disabled, 1 focused or hovered or default, else 0.
  int CurrentState() const;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

  virtual void DrawCaption();
  virtual void DrawGlyph() {}
  virtual SIZE GlyphSize() const { return SIZE{0, 0}; }
  virtual void DrawCaptionText(const RECT& r, UINT flags);
  virtual RECT CaptionRect();
  virtual int MaxCaptionWidth() const;
  virtual SIZE CaptionSize();
  // The whole picture in the cache: the section over the parent, corners, caption, glyph, and
  // the disabled look.
  virtual void PrepareCache();

 private:
  void Paint(HDC given);
  UINT TextFlags() const;
  void SetHover(bool hot);
};

}  // namespace sundrel
