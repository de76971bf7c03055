// The handler of a popup menu window ("#32768"): it fills the window's background and frame from
// the "MAINMENU" section while a skinned menu is open, and tells the menu painter whether the
// window is skinned and whether its frame has been prepared since it last erased its background.
//
// It never frees itself: whoever made it owns it (the automatic skinning's handler list frees it
// once its window has gone and none of its messages is running). It keeps the window until the
// window's very last message, so that nothing of it runs on a window that is gone.
#pragma once

#include "skin/manager/skin_command_win32.h"
#include "windows/scroll/ac_scroll_wnd.h"

namespace sundrel {

// The painter asks a menu window whether its frame is prepared with the code that other windows
// hear as "set updating"; the answer is the result.
inline constexpr int SMC_IS_FRAME_PREPARED = SMC_SET_UPDATING;

class TacMnuWnd : public TacScrollWnd {
 public:
  TacMnuWnd(HWND window, TsSkinManager* manager);

  // The painter shaped the visible window, and the handler has not erased its background since.
  bool FramePrepared = false;

  // The background picture in the skin data's cache: the section painted at the window's size,
  // when the background changed.
  virtual void RefreshCache();

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  void AnswerSkinCommand(TMessage& message);
  void EraseBackground(HDC dc);
  void PaintFrame();
  // Where the client area lies inside the window, and so inside pictures of the window's size.
  POINT ClientOffset() const;
};

}  // namespace sundrel
